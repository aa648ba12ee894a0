#include "utils/TEventList.h"

#include <algorithm>

TEventList::TEventList(QObject *owner)
    : m_owner(owner)
{
}

TEventList::~TEventList() { *m_alive = false; }

int TEventList::AddHandler(const TEventHandler &handler)
{
    const int existing = IndexOf(handler);
    if (existing >= 0)
        return existing;
    m_entries.push_back({handler, m_nextSerial++});
    return int(m_entries.size()) - 1;
}

void TEventList::DeleteHandler(const TEventHandler &handler)
{
    const int index = IndexOf(handler);
    if (index >= 0)
        m_entries.erase(m_entries.begin() + index);
}

int TEventList::IndexOf(const TEventHandler &handler) const
{
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry &entry) { return entry.handler == handler; });
    return found == m_entries.end() ? -1 : int(found - m_entries.begin());
}

const TEventHandler &TEventList::GetItems(int index) const { return m_entries.at(size_t(index)).handler; }

int TEventList::GetCount() const { return int(m_entries.size()); }

void TEventList::CallAllHandlers(QObject *sender)
{
    std::vector<quint64> serials;
    serials.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        serials.push_back(entry.serial);
    const std::shared_ptr<bool> alive = m_alive;
    for (const quint64 serial : serials) {
        const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                        [serial](const Entry &entry) { return entry.serial == serial; });
        if (found == m_entries.end())
            continue;
        // A copy: the handler may remove itself and so destroy the stored one.
        const TEventHandler handler = found->handler;
        handler(sender);
        if (!*alive)
            return;
    }
}
