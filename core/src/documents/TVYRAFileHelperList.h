#pragma once

#include "documents/TVYRAFileHelper.h"
#include "vyra_export.h"

#include <memory>
#include <vector>

// An owning list of file helpers.
class VYRA_EXPORT TVYRAFileHelperList
{
public:
    TVYRAFileHelperList();
    ~TVYRAFileHelperList();
    TVYRAFileHelperList(const TVYRAFileHelperList &) = delete;
    TVYRAFileHelperList &operator=(const TVYRAFileHelperList &) = delete;

    int Count() const { return int(m_items.size()); }
    // nullptr for an index out of range.
    TVYRAFileHelper *Items(int index) const;
    // Returns the index of the new entry.
    int AddItem(std::unique_ptr<TVYRAFileHelper> item);
    // False for an index out of range or a helper whose action still runs
    // (it would have to be waited for); its completion may delete it.
    bool DeleteItem(int index);

private:
    std::vector<std::unique_ptr<TVYRAFileHelper>> m_items;
};
