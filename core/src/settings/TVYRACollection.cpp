#include "settings/TVYRACollection.h"

TVYRACollection::~TVYRACollection() = default;

TVYRACollectionItem *TVYRACollection::Item(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_items[size_t(index)].get();
}

TVYRACollectionItem *TVYRACollection::AddItem()
{
    std::unique_ptr<TVYRACollectionItem> item = CreateItem();
    item->m_collection = this;
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

void TVYRACollection::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

void TVYRACollection::Clear()
{
    m_items.clear();
}

int TVYRACollection::IndexOfItem(const TVYRACollectionItem *item) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].get() == item)
            return int(i);
    }
    return -1;
}
