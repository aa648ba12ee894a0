#pragma once

#include "orvane_export.h"
#include "settings/TVYRACollectionItem.h"

// One web browser offered for previews.
class ORVANE_EXPORT TTalvexStudioBrowser : public TVYRACollectionItem
{
    Q_OBJECT
    Q_PROPERTY(QString BrowserName MEMBER BrowserName)
    Q_PROPERTY(QString Path MEMBER Path)
    Q_PROPERTY(QString ParamString MEMBER ParamString)

public:
    using TVYRACollectionItem::TVYRACollectionItem;

    QString BrowserName;
    QString Path;
    QString ParamString;
};
