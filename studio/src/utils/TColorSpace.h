#pragma once

#include "orvane_export.h"

#include <QColor>

// Colour conversions of the colour pickers: components 0..255, hue in
// degrees 0..359.
class ORVANE_EXPORT TColorSpace
{
public:
    // V = max; S = (V - min) * 255 / V, rounded (0 for black); H from the
    // largest component's sector, rounded, 0 when S is 0.
    static void RGBtoHSV(int r, int g, int b, int &h, int &s, int &v);
    // Grey V for S = 0; otherwise the six 60-degree sectors with rounded components.
    static QColor HSVtoRGB(int h, int s, int v);
};
