#pragma once

#include "orvane_export.h"
#include "settings/TVYRACollectionItem.h"

// One category of the web palette or the snippet panel; CategoryCaption is the key.
class ORVANE_EXPORT TTalvexStudioCategoryButtonItem : public TVYRACollectionItem
{
    Q_OBJECT
    Q_PROPERTY(QString CategoryCaption MEMBER CategoryCaption)
    Q_PROPERTY(int PositionIdx MEMBER PositionIdx)
    Q_PROPERTY(bool IsCollapsed MEMBER IsCollapsed)

public:
    using TVYRACollectionItem::TVYRACollectionItem;

    QString CategoryCaption;
    int PositionIdx = 0;
    bool IsCollapsed = false;
};
