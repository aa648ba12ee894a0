#pragma once

#include "orvane_export.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "projects/TVYRAProjectGroupItems.h"

#include <QUuid>

// A node of a studio project with a stable identity, stored as the attribute
// "id" of its element (braced, upper case). A node whose stored id is missing,
// null or unreadable gets a new one, so every node has its own.
class ORVANE_EXPORT TTalvexStudioProjectItem : public TVYRAProjectGroupItem
{
public:
    TTalvexStudioProjectItem(TVYRAProjectGroupItems *owner, TVYRAProjectItemType itemType, const QString &name);

    void Load(const pugi::xml_node &element) override;
    void Save(pugi::xml_node element) const override;

    QUuid ID() const { return m_id; }

    // The item class of studio projects.
    static TVYRAProjectGroupItems::TItemClass ItemClass();

private:
    QUuid m_id;
};
