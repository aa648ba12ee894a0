#include "regex/TRegexMatch.h"

#include "regex/TRegexCaptureGroup.h"

TRegexMatch::TRegexMatch(QString subject, QList<int32_t> offsets, int32_t groupCount,
                         std::shared_ptr<const INameIndexLookup> names)
    : m_subject(std::move(subject)), m_offsets(std::move(offsets)), m_groupCount(groupCount),
      m_names(std::move(names))
{
    Q_ASSERT_X(m_names && m_offsets.size() % 2 == 0, "TRegexMatch", "Assertion fehlges");
}

std::shared_ptr<ICaptureGroupCollection> TRegexMatch::Groups() const
{
    return std::const_pointer_cast<TRegexMatch>(shared_from_this());
}

std::shared_ptr<ICaptureGroup> TRegexMatch::Items(int32_t number) const
{
    return std::make_shared<TRegexCaptureGroup>(shared_from_this(), number);
}

std::shared_ptr<ICaptureGroup> TRegexMatch::NamedItems(const QString &name) const
{
    return Items(m_names->IndexOf(name));
}

int32_t TRegexMatch::GroupStart(int32_t number) const
{
    if (m_offsets.isEmpty())
        return -1;
    if (number == -1)
        return 0;
    if (number == -2)
        return m_offsets[1];
    if (number < 0 || 2 * number + 1 >= m_offsets.size())
        return -1;
    return m_offsets[2 * number];
}

int32_t TRegexMatch::GroupEnd(int32_t number) const
{
    if (m_offsets.isEmpty())
        return -1;
    if (number == -1)
        return m_offsets[0];
    if (number == -2)
        return int32_t(m_subject.size());
    if (number < 0 || 2 * number + 1 >= m_offsets.size())
        return -1;
    return m_offsets[2 * number + 1];
}

QString TRegexMatch::GroupValue(int32_t number) const
{
    const int32_t start = GroupStart(number);
    if (start < 0)
        return QString();
    return m_subject.mid(start, GroupEnd(number) - start);
}
