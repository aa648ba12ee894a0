#include "projects/TVYRAProjectGroupList.h"

#include "projects/TVYRAProjectGroupItems.h"

#include <algorithm>

TVYRAProjectGroupList::TVYRAProjectGroupList(IVYRAProjectDocumentList *documents, const TVYRAProjectEvents *events)
    : m_documents(documents)
    , m_events(events)
{
}

TVYRAProjectGroupList::~TVYRAProjectGroupList()
{
    // Last first, so that no group outlives the ones after it in the list.
    while (!m_groups.empty())
        m_groups.pop_back();
}

TVYRAProjectGroupItems *TVYRAProjectGroupList::Items(int index) const
{
    return index >= 0 && index < Count() ? m_groups[std::size_t(index)].get() : nullptr;
}

int TVYRAProjectGroupList::Add(std::unique_ptr<TVYRAProjectGroupItems> group)
{
    Insert(Count(), std::move(group));
    return Count() - 1;
}

void TVYRAProjectGroupList::Insert(int index, std::unique_ptr<TVYRAProjectGroupItems> group)
{
    if (!group)
        return;
    group->SetProjectList(this);
    index = std::clamp(index, 0, Count());
    m_groups.insert(m_groups.begin() + index, std::move(group));
}

void TVYRAProjectGroupList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    // Out of the list before it goes, so that nothing finds it half destroyed.
    std::unique_ptr<TVYRAProjectGroupItems> group = std::move(m_groups[std::size_t(index)]);
    m_groups.erase(m_groups.begin() + index);
}

int TVYRAProjectGroupList::IndexOf(const TVYRAProjectGroupItems *group) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_groups[std::size_t(i)].get() == group)
            return i;
    }
    return -1;
}
