#pragma once

#include "regex/RegexInterfaces.h"

#include <QList>

// Group names of a pattern, sorted and case-sensitive; a name is unique.
class TNameIndexLookup : public INameIndexLookup
{
public:
    // The group number of name; throws ERegexBadGroupName when it is unknown.
    int32_t IndexOf(const QString &name) const override;
    // Ignores a name that is already present.
    void Add(const QString &name, int32_t number) override;
    int32_t Count() const override { return int32_t(m_entries.size()); }
    TNamedGroupInfo Items(int32_t number) const override { return m_entries.at(number); }

private:
    QList<TNamedGroupInfo>::const_iterator find(const QString &name) const;
    QList<TNamedGroupInfo> m_entries;
};
