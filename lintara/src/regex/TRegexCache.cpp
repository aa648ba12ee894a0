#include "regex/TRegexCache.h"

std::shared_ptr<TRegex> TRegexCache::Get(const QString &pattern, TRegCompileOptions options)
{
    const Key key{pattern, options.bits()};
    {
        QMutexLocker lock(&m_mutex);
        auto found = m_index.constFind(key);
        if (found != m_index.constEnd()) {
            m_recent.splice(m_recent.begin(), m_recent, found.value());
            return m_recent.front().second;
        }
    }
    // Compiled outside the lock; a pattern that fails throws and is not kept.
    auto regex = std::make_shared<TRegex>(pattern, options, QStringLiteral("C"), RXLC_ALL);
    QMutexLocker lock(&m_mutex);
    if (m_index.contains(key))
        return m_index.value(key)->second;
    m_recent.emplace_front(key, regex);
    m_index.insert(key, m_recent.begin());
    if (m_recent.size() > size_t(m_capacity)) {
        m_index.remove(m_recent.back().first);
        m_recent.pop_back();
    }
    return regex;
}

TRegexCache &TRegexCache::Instance()
{
    static TRegexCache cache(512);
    return cache;
}
