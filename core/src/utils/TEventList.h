#pragma once

#include "utils/TEventHandler.h"
#include "vyra_export.h"

#include <memory>
#include <vector>

// An ordered list of notification handlers, each registered once, called in
// turn with the sender. Handlers may add or remove handlers (themselves
// included) while being called: a removed handler that has not been reached
// is not called, an added one is called from the next notification on.
class VYRA_EXPORT TEventList
{
public:
    explicit TEventList(QObject *owner = nullptr);
    ~TEventList();
    TEventList(const TEventList &) = delete;
    TEventList &operator=(const TEventList &) = delete;

    QObject *Owner() const { return m_owner; }

    // Appends the handler unless it is registered; returns its index.
    int AddHandler(const TEventHandler &handler);
    void DeleteHandler(const TEventHandler &handler);
    int IndexOf(const TEventHandler &handler) const;
    // Raises std::out_of_range for an index outside 0..GetCount()-1.
    const TEventHandler &GetItems(int index) const;
    int GetCount() const;
    void CallAllHandlers(QObject *sender);

    template <class T, class M>
    int AddHandler(T *object, M method)
    {
        return AddHandler(TEventHandler::Method(object, method));
    }
    template <class T, class M>
    void DeleteHandler(T *object, M method)
    {
        DeleteHandler(TEventHandler::Method(object, method));
    }
    template <class T, class M>
    int IndexOf(T *object, M method) const
    {
        return IndexOf(TEventHandler::Method(object, method));
    }

private:
    struct Entry {
        TEventHandler handler;
        quint64 serial = 0;
    };

    QObject *m_owner;
    std::vector<Entry> m_entries;
    quint64 m_nextSerial = 1;
    // Cleared by the destructor, so a notification notices when a handler
    // destroyed the list.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
