#pragma once

#include "orvane_export.h"
#include "settings/TVYRAPersistent.h"

// One quick bar at the left, bottom or right edge of the main window.
class ORVANE_EXPORT TTalvexStudioBarElement : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(bool Visible MEMBER Visible)
    Q_PROPERTY(int Size MEMBER Size)
    Q_PROPERTY(int DockRow MEMBER DockRow)

public:
    using TVYRAPersistent::TVYRAPersistent;

    bool Visible = false;
    int Size = 0;
    int DockRow = 0;
};
