#pragma once

#include "regex/TRegex.h"

#include <QHash>
#include <QMutex>
#include <list>

// Recently used compiled patterns, keyed by pattern and options. Safe to use
// from several threads; the least recently used entry goes when it is full.
class TRegexCache
{
public:
    explicit TRegexCache(qsizetype capacity) : m_capacity(capacity) {}
    std::shared_ptr<TRegex> Get(const QString &pattern, TRegCompileOptions options);
    static TRegexCache &Instance();

private:
    struct Key
    {
        QString pattern;
        uint32_t options;
        bool operator==(const Key &) const = default;
    };
    friend size_t qHash(const Key &key, size_t seed) { return qHashMulti(seed, key.pattern, key.options); }
    using Entry = std::pair<Key, std::shared_ptr<TRegex>>;

    QMutex m_mutex;
    std::list<Entry> m_recent; // most recent first
    QHash<Key, std::list<Entry>::iterator> m_index;
    qsizetype m_capacity;
};
