#include "analysis/TTagInsertList.h"

void TTagInsertList::AddItem(std::unique_ptr<TTagInsertItem> item)
{
    if (item)
        m_items.push_back(std::move(item));
}

void TTagInsertList::DeleteItem(int index)
{
    if (index >= 0 && index < GetCount())
        m_items.erase(m_items.begin() + index);
}

int TTagInsertList::IndexOf(const QAction *action) const
{
    if (!action)
        return -1;
    for (int i = 0; i < GetCount(); ++i)
        if (m_items[size_t(i)]->Action == action)
            return i;
    return -1;
}

int TTagInsertList::IndexOf(const QString &text) const
{
    for (int i = 0; i < GetCount(); ++i) {
        const TTagInsertItem &item = *m_items[size_t(i)];
        if (item.OpeningText == text || (!item.ClosingText.isEmpty() && item.ClosingText == text))
            return i;
    }
    return -1;
}
