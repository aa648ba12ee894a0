#include "documents/TVYRAFileHelperList.h"

TVYRAFileHelperList::TVYRAFileHelperList() = default;

// Helpers still running wait for their workers while they are destroyed.
TVYRAFileHelperList::~TVYRAFileHelperList() = default;

TVYRAFileHelper *TVYRAFileHelperList::Items(int index) const
{
    return index >= 0 && index < Count() ? m_items[size_t(index)].get() : nullptr;
}

int TVYRAFileHelperList::AddItem(std::unique_ptr<TVYRAFileHelper> item)
{
    m_items.push_back(std::move(item));
    return Count() - 1;
}

bool TVYRAFileHelperList::DeleteItem(int index)
{
    TVYRAFileHelper *item = Items(index);
    if (!item || item->IsRunning())
        return false;
    m_items.erase(m_items.begin() + index);
    return true;
}
