#pragma once

#include "analysis/TTagInsertItem.h"

#include <memory>
#include <vector>

// The texts of the formatting commands; owns its items.
class TTagInsertList
{
public:
    void AddItem(std::unique_ptr<TTagInsertItem> item);
    // Frees the item; an index out of range changes nothing.
    void DeleteItem(int index);
    int GetCount() const { return int(m_items.size()); }
    TTagInsertItem *GetItems(int index) const { return m_items.at(size_t(index)).get(); }
    // The first item bound to action, -1 when none.
    int IndexOf(const QAction *action) const;
    // The first item whose opening or closing text equals text exactly, -1 when none.
    int IndexOf(const QString &text) const;

private:
    std::vector<std::unique_ptr<TTagInsertItem>> m_items;
};
