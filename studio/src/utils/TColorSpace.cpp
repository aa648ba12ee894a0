#include "utils/TColorSpace.h"

#include <algorithm>
#include <cmath>

namespace {

// a * b / c rounded to the nearest integer, as the system's multiply-divide does.
int mulDiv(int a, int b, int c)
{
    return int(std::lround(double(a) * double(b) / double(c)));
}

} // namespace

void TColorSpace::RGBtoHSV(int r, int g, int b, int &h, int &s, int &v)
{
    v = std::max({r, g, b});
    const int low = std::min({r, g, b});
    s = v == 0 ? 0 : mulDiv(v - low, 255, v);
    h = 0;
    if (s == 0)
        return;
    const double d = v - low;
    const double rr = (v - r) / d;
    const double gg = (v - g) / d;
    const double bb = (v - b) / d;
    double sector = 0;
    if (r == v)
        sector = bb - gg;
    else if (g == v)
        sector = 2 + rr - bb;
    else
        sector = 4 + gg - rr;
    h = int(std::lround(sector * 60));
    if (h < 0)
        h += 360;
}

QColor TColorSpace::HSVtoRGB(int h, int s, int v)
{
    v = std::clamp(v, 0, 255);
    s = std::clamp(s, 0, 255);
    if (s == 0)
        return QColor(v, v, v);
    h = ((h % 360) + 360) % 360;
    const int sector = h * 6 / 360;
    const double f = (h - sector * 60) / 60.0; // position within the sector, 0..1
    const double sat = s / 255.0;
    const int p = int(std::lround(v * (1 - sat)));
    const int q = int(std::lround(v * (1 - sat * f)));       // falling component
    const int t = int(std::lround(v * (1 - sat * (1 - f)))); // rising component
    switch (sector) {
    case 0: return QColor(v, t, p);
    case 1: return QColor(q, v, p);
    case 2: return QColor(p, v, t);
    case 3: return QColor(p, q, v);
    case 4: return QColor(t, p, v);
    default: return QColor(v, p, q);
    }
}
