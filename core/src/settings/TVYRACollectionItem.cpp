#include "settings/TVYRACollectionItem.h"

#include "settings/TVYRACollection.h"

TVYRACollectionItem::~TVYRACollectionItem() = default;

QString TVYRACollectionItem::DisplayName() const
{
    return QString::fromLatin1(metaObject()->className());
}

int TVYRACollectionItem::Index() const
{
    return m_collection ? m_collection->IndexOfItem(this) : -1;
}
