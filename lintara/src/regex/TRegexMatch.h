#pragma once

#include "regex/RegexInterfaces.h"

#include <QList>
#include <memory>

// One match: its own copy of the subject and the start/end pairs of every
// group, so it stays valid after its pattern is gone. Group -1 is the text
// before the match, group -2 the text after it.
class TRegexMatch : public IMatch,
                    public ICaptureGroupCollection,
                    public std::enable_shared_from_this<TRegexMatch>
{
public:
    // offsets holds a start and an end per group; a failed match passes none.
    TRegexMatch(QString subject, QList<int32_t> offsets, int32_t groupCount,
                std::shared_ptr<const INameIndexLookup> names);

    // ICaptureGroup (group 0)
    bool Success() const override { return GroupStart(0) != -1; }
    QString Value() const override { return GroupValue(0); }
    int32_t Index() const override { return GroupStart(0); }
    int32_t Length() const override { return GroupEnd(0) - GroupStart(0); }

    std::shared_ptr<ICaptureGroupCollection> Groups() const override;

    // ICaptureGroupCollection
    int32_t Count() const override { return m_groupCount; }
    std::shared_ptr<ICaptureGroup> Items(int32_t number) const override;
    std::shared_ptr<ICaptureGroup> NamedItems(const QString &name) const override;

    int32_t GroupStart(int32_t number) const;
    int32_t GroupEnd(int32_t number) const;
    QString GroupValue(int32_t number) const;
    const QString &Subject() const { return m_subject; }
    int32_t GroupNumber(const QString &name) const { return m_names->IndexOf(name); }

private:
    QString m_subject;
    QList<int32_t> m_offsets;
    int32_t m_groupCount;
    std::shared_ptr<const INameIndexLookup> m_names;
};
