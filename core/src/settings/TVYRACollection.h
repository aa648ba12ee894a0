#pragma once

#include "settings/TVYRACollectionItem.h"

#include <memory>
#include <vector>

// An owning, ordered list of persistent items of one class. The serializer
// writes one child element per item and reads one new item per child element.
class VYRA_EXPORT TVYRACollection : public TVYRAPersistent
{
    Q_OBJECT

public:
    using TVYRAPersistent::TVYRAPersistent;
    ~TVYRACollection() override;

    int Count() const { return int(m_items.size()); }
    TVYRACollectionItem *Item(int index) const;
    // Appends a new item of the collection's item class.
    TVYRACollectionItem *AddItem();
    void Delete(int index);
    void Clear();
    int IndexOfItem(const TVYRACollectionItem *item) const;

protected:
    virtual std::unique_ptr<TVYRACollectionItem> CreateItem() const = 0;

private:
    std::vector<std::unique_ptr<TVYRACollectionItem>> m_items;
};
