#include "projectmanager/TProjectDropRules.h"

#include "projects/TVYRAProjectGroupItem.h"
#include "projects/TVYRAProjectGroupItems.h"

TVYRAProjectGroupItem *TProjectDropRules::TargetFolder(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *dropItem,
                                                       TDropPosition position)
{
    if (!dropItem || position == TDropPosition::Viewport)
        return group.Root();
    if (dropItem->ItemType() == pitFolder) {
        if (position == TDropPosition::OnItem || !dropItem->Parent())
            return dropItem;
        return group.FindNextUpperFolder(dropItem->Parent());
    }
    return dropItem->Parent() ? group.FindNextUpperFolder(dropItem->Parent()) : group.Root();
}

QList<TVYRAProjectGroupItem *> TProjectDropRules::OutermostItems(const QList<TVYRAProjectGroupItem *> &dragged)
{
    QList<TVYRAProjectGroupItem *> moved;
    for (TVYRAProjectGroupItem *item : dragged) {
        if (!item || !item->Parent() || moved.contains(item))
            continue;
        bool inside = false;
        for (const TVYRAProjectGroupItem *other : dragged)
            inside = inside || (other && other != item && other->Parent() && item->IsChildOf(other));
        if (!inside)
            moved.append(item);
    }
    return moved;
}

TProjectDropRules::TPlan TProjectDropRules::Plan(TVYRAProjectGroupItems &group,
                                                 const QList<TVYRAProjectGroupItem *> &dragged,
                                                 TVYRAProjectGroupItem *dropItem, TDropPosition position)
{
    TPlan plan;
    TVYRAProjectGroupItem *target = TargetFolder(group, dropItem, position);
    const QList<TVYRAProjectGroupItem *> items = OutermostItems(dragged);
    for (const TVYRAProjectGroupItem *item : items) {
        if (target == item || target->IsChildOf(item)) {
            plan.refused = true;
            return plan;
        }
    }
    plan.target = target;
    plan.items = items;
    return plan;
}

QStringList TProjectDropRules::Run(const TPlan &plan)
{
    QStringList errors;
    if (plan.refused || !plan.target)
        return errors;
    for (TVYRAProjectGroupItem *item : plan.items) {
        const TDocumentResult result = item->SetParent(plan.target);
        if (!result.ok)
            errors.append(result.errorText);
    }
    return errors;
}

TDropPosition TProjectDropRules::PositionInRow(int y, int rowTop, int rowHeight)
{
    const int margin = rowHeight / 4;
    if (y < rowTop + margin)
        return TDropPosition::AboveItem;
    if (y >= rowTop + rowHeight - margin)
        return TDropPosition::BelowItem;
    return TDropPosition::OnItem;
}
