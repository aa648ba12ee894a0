#include "projects/TTalvexStudioProjectItem.h"

#include "projects/ProjectGuids.h"

TTalvexStudioProjectItem::TTalvexStudioProjectItem(TVYRAProjectGroupItems *owner, TVYRAProjectItemType itemType,
                                                   const QString &name)
    : TVYRAProjectGroupItem(owner, itemType, name)
    , m_id(QUuid::createUuid())
{
}

void TTalvexStudioProjectItem::Load(const pugi::xml_node &element)
{
    TVYRAProjectGroupItem::Load(element);
    const QUuid stored = GuidFromText(QString::fromUtf8(element.attribute("id").value()));
    // A missing, null or unreadable id keeps the new one made at construction.
    if (!stored.isNull())
        m_id = stored;
}

void TTalvexStudioProjectItem::Save(pugi::xml_node element) const
{
    TVYRAProjectGroupItem::Save(element);
    pugi::xml_attribute id = element.attribute("id");
    if (!id)
        id = element.append_attribute("id");
    id.set_value(GuidText(m_id).toUtf8().constData());
}

TVYRAProjectGroupItems::TItemClass TTalvexStudioProjectItem::ItemClass()
{
    return [](TVYRAProjectGroupItems *owner, TVYRAProjectItemType itemType, const QString &name) {
        return std::unique_ptr<TVYRAProjectGroupItem>(std::make_unique<TTalvexStudioProjectItem>(owner, itemType, name));
    };
}
