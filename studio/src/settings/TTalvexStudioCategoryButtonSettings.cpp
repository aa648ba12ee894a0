#include "settings/TTalvexStudioCategoryButtonSettings.h"

TTalvexStudioCategoryButtonItem *
TTalvexStudioCategoryButtonSettings::GetCategoryButtonSettings(const QString &caption) const
{
    return FindByKey(&TTalvexStudioCategoryButtonItem::CategoryCaption, caption);
}

TTalvexStudioCategoryButtonItem *
TTalvexStudioCategoryButtonSettings::SetCategoryButtonSettings(const QString &caption, int positionIdx,
                                                               bool isCollapsed)
{
    TTalvexStudioCategoryButtonItem *item = FindOrAdd(&TTalvexStudioCategoryButtonItem::CategoryCaption, caption);
    item->PositionIdx = positionIdx;
    item->IsCollapsed = isCollapsed;
    return item;
}
