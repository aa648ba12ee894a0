#pragma once

#include "orvane_export.h"
#include "settings/TVYRACollectionItem.h"

// A shortcut the user gave an action; ActionName is the key.
class ORVANE_EXPORT TTalvexStudioShortcutItem : public TVYRACollectionItem
{
    Q_OBJECT
    Q_PROPERTY(QString ActionName MEMBER ActionName)
    Q_PROPERTY(quint16 Shortcut MEMBER Shortcut)

public:
    using TVYRACollectionItem::TVYRACollectionItem;

    QString ActionName;
    quint16 Shortcut = 0; // virtual key + 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt
};
