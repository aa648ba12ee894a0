#include "settings/TTalvexStudioToolbarSettings.h"

TTalvexStudioToolbarItem *TTalvexStudioToolbarSettings::GetToolbarSettings(const QString &name) const
{
    return FindByKey(&TTalvexStudioToolbarItem::ComponentName, name);
}

TTalvexStudioToolbarItem *TTalvexStudioToolbarSettings::SetToolbarSettings(const QString &name, bool isFloating,
                                                                           bool visible,
                                                                           TTalvexStudioBarPosition dock,
                                                                           int dockPos, int dockRow, int width)
{
    TTalvexStudioToolbarItem *item = FindOrAdd(&TTalvexStudioToolbarItem::ComponentName, name);
    item->IsFloating = isFloating;
    item->Visible = visible;
    item->Dock = dock;
    item->DockPos = dockPos;
    item->DockRow = dockRow;
    item->Width = width;
    return item;
}
