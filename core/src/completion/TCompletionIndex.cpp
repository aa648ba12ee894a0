#include "completion/TCompletionIndex.h"

#include <algorithm>

TCompletionIndex::TCompletionIndex(const QStringList &texts)
{
    m_keys.reserve(size_t(texts.size()));
    for (int i = 0; i < texts.size(); ++i)
        m_keys.emplace_back(texts[i].toCaseFolded(), i);
    std::stable_sort(m_keys.begin(), m_keys.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
}

QList<int> TCompletionIndex::Matching(const QString &prefix, int limit) const
{
    const QString key = prefix.toCaseFolded();
    auto it = std::lower_bound(m_keys.begin(), m_keys.end(), key,
                               [](const auto &entry, const QString &k) { return entry.first < k; });
    QList<int> result;
    for (; it != m_keys.end() && it->first.startsWith(key) && result.size() != limit; ++it)
        result.append(it->second);
    return result;
}
