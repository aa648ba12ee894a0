#include "utils/TEventHandler.h"

TEventHandler::TEventHandler(const void *object, QByteArray key, TCallback callback, const QObject *guard)
    : m_object(object)
    , m_key(std::move(key))
    , m_callback(std::move(callback))
    , m_guarded(guard != nullptr)
    , m_guard(guard)
{
}

TEventHandler TEventHandler::Function(const void *object, const QByteArray &key, TCallback callback)
{
    return TEventHandler(object, key, std::move(callback), nullptr);
}

bool TEventHandler::operator==(const TEventHandler &other) const
{
    return m_object == other.m_object && m_key == other.m_key;
}

void TEventHandler::operator()(QObject *sender) const
{
    if (!m_callback || (m_guarded && m_guard.isNull()))
        return;
    m_callback(sender);
}
