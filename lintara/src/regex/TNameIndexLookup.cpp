#include "regex/TNameIndexLookup.h"

#include "regex/RegexExceptions.h"

#include <algorithm>

QList<TNamedGroupInfo>::const_iterator TNameIndexLookup::find(const QString &name) const
{
    return std::lower_bound(m_entries.cbegin(), m_entries.cend(), name,
                            [](const TNamedGroupInfo &e, const QString &n) { return e.Name < n; });
}

int32_t TNameIndexLookup::IndexOf(const QString &name) const
{
    auto it = find(name);
    if (it == m_entries.cend() || it->Name != name)
        throw ERegexBadGroupName(QStringLiteral("Invalid group name '%1'").arg(name));
    return it->Number;
}

void TNameIndexLookup::Add(const QString &name, int32_t number)
{
    auto it = find(name);
    if (it != m_entries.cend() && it->Name == name)
        return;
    m_entries.insert(it - m_entries.cbegin(), TNamedGroupInfo{name, number});
}
