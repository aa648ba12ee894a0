#pragma once

#include "orvane_export.h"
#include "settings/StudioSettingsTypes.h"
#include "settings/TVYRACollectionItem.h"

// Where one docking panel is; ComponentName is the key.
class ORVANE_EXPORT TTalvexStudioDockElement : public TVYRACollectionItem
{
    Q_OBJECT
    Q_PROPERTY(bool Visible MEMBER Visible)
    Q_PROPERTY(StudioSettingsTypes::TDockPosition DockedAt MEMBER DockedAt)
    Q_PROPERTY(int PositionIdx MEMBER PositionIdx)
    Q_PROPERTY(QString ComponentName MEMBER ComponentName)

public:
    using TVYRACollectionItem::TVYRACollectionItem;

    bool Visible = false;
    TDockPosition DockedAt = dsLeft;
    int PositionIdx = 0;
    QString ComponentName;
};
