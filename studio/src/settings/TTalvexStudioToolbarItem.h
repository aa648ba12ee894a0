#pragma once

#include "orvane_export.h"
#include "settings/StudioSettingsTypes.h"
#include "settings/TVYRACollectionItem.h"

// Where one tool bar is; ComponentName is the key.
class ORVANE_EXPORT TTalvexStudioToolbarItem : public TVYRACollectionItem
{
    Q_OBJECT
    Q_PROPERTY(QString ComponentName MEMBER ComponentName)
    Q_PROPERTY(bool Visible MEMBER Visible)
    Q_PROPERTY(bool IsFloating MEMBER IsFloating)
    Q_PROPERTY(StudioSettingsTypes::TTalvexStudioBarPosition Dock MEMBER Dock)
    Q_PROPERTY(int DockPos MEMBER DockPos)
    Q_PROPERTY(int DockRow MEMBER DockRow)
    Q_PROPERTY(int Width MEMBER Width)

public:
    using TVYRACollectionItem::TVYRACollectionItem;

    QString ComponentName;
    bool Visible = false;
    bool IsFloating = false;
    TTalvexStudioBarPosition Dock = bpTop;
    int DockPos = 0;
    int DockRow = 0;
    int Width = 0;
};
