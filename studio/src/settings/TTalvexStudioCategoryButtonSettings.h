#pragma once

#include "settings/TTalvexStudioCategoryButtonItem.h"
#include "settings/TVYRAOwnedCollection.h"

// The categories of a category-button panel, keyed by caption.
class ORVANE_EXPORT TTalvexStudioCategoryButtonSettings
    : public TVYRAOwnedCollection<TTalvexStudioCategoryButtonItem>
{
public:
    TTalvexStudioCategoryButtonItem *GetCategoryButtonSettings(const QString &caption) const;
    TTalvexStudioCategoryButtonItem *SetCategoryButtonSettings(const QString &caption, int positionIdx,
                                                               bool isCollapsed);
};
