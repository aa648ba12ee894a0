#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <cstring>
#include <functional>
#include <type_traits>

// One handler of a TEventList: a method bound to its object. Two handlers are
// the same when object and method are. A handler bound to a QObject is skipped
// once that object has been destroyed.
class VYRA_EXPORT TEventHandler
{
public:
    using TCallback = std::function<void(QObject *sender)>;

    TEventHandler() = default;

    template <class T>
    static TEventHandler Method(T *object, void (T::*method)(QObject *))
    {
        return TEventHandler(object, keyOf(method), [object, method](QObject *sender) { (object->*method)(sender); },
                             guardOf(object));
    }
    template <class T>
    static TEventHandler Method(const T *object, void (T::*method)(QObject *) const)
    {
        return TEventHandler(object, keyOf(method), [object, method](QObject *sender) { (object->*method)(sender); },
                             guardOf(object));
    }
    // A callable whose identity is given by the caller (object and key).
    static TEventHandler Function(const void *object, const QByteArray &key, TCallback callback);

    bool IsValid() const { return bool(m_callback); }
    const void *Object() const { return m_object; }
    // The same object and method.
    bool operator==(const TEventHandler &other) const;
    // Calls the handler unless its QObject has been destroyed.
    void operator()(QObject *sender) const;

private:
    TEventHandler(const void *object, QByteArray key, TCallback callback, const QObject *guard);

    template <class M>
    static QByteArray keyOf(M method)
    {
        QByteArray key(sizeof(method), Qt::Uninitialized);
        std::memcpy(key.data(), &method, sizeof(method));
        return key;
    }
    template <class T>
    static const QObject *guardOf(const T *object)
    {
        if constexpr (std::is_base_of_v<QObject, T>)
            return object;
        else
            return nullptr;
    }

    const void *m_object = nullptr;
    QByteArray m_key;
    TCallback m_callback;
    bool m_guarded = false;
    QPointer<const QObject> m_guard;
};
