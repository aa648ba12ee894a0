#include "settings/TTalvexStudioDockItems.h"

TTalvexStudioDockElement *TTalvexStudioDockItems::GetDockSettings(const QString &name) const
{
    return FindByKey(&TTalvexStudioDockElement::ComponentName, name);
}

TTalvexStudioDockElement *TTalvexStudioDockItems::SetDockSettings(const QString &name, bool visible,
                                                                  TDockPosition dockedAt, int positionIdx)
{
    TTalvexStudioDockElement *item = FindOrAdd(&TTalvexStudioDockElement::ComponentName, name);
    item->Visible = visible;
    item->DockedAt = dockedAt;
    item->PositionIdx = positionIdx;
    return item;
}
