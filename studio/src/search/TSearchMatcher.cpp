#include "search/TSearchMatcher.h"

#include "facade/TTextFinder.h"
#include "regex/RegexCreate.h"

TSearchMatcher::TSearchMatcher(const QString &pattern, TVYRASearchOptions options)
    : m_pattern(pattern)
    , m_options(options & TVYRASearchOptions(xsoUseRegEx | xsoCaseSensitive | xsoWholeWord))
    , m_case(options.testFlag(xsoCaseSensitive) ? Qt::CaseSensitive : Qt::CaseInsensitive)
{
    if (m_options.testFlag(xsoUseRegEx) && !pattern.isEmpty()) {
        TRegCompileOptions compile;
        if (m_case == Qt::CaseInsensitive)
            compile = TRegCompileOptions(TRegCompileOption::rcoIgnoreCase);
        m_regex = RegexCreate(pattern, compile);
    }
}

bool TSearchMatcher::MayMatch(const QString &text) const
{
    if (m_pattern.isEmpty())
        return false;
    if (m_regex)
        return true;
    return text.contains(m_pattern, m_case);
}

QList<TTextMatch> TSearchMatcher::FindAll(const QString &text) const
{
    if (m_pattern.isEmpty())
        return {};
    QList<TTextMatch> matches = m_regex ? findRegex(text) : findPlain(text);
    if (m_options.testFlag(xsoWholeWord))
        matches.removeIf([&text](const TTextMatch &m) { return m.len == 0 || !TTextFinder::IsWholeWord(text, m); });
    return matches;
}

QList<TTextMatch> TSearchMatcher::findPlain(const QString &text) const
{
    QList<TTextMatch> matches;
    const int length = int(m_pattern.size());
    for (qsizetype at = text.indexOf(m_pattern, 0, m_case); at >= 0; at = text.indexOf(m_pattern, at, m_case)) {
        // A whole-word search must not lose "ab" in "abab ab" to the rejected first hit.
        if (m_options.testFlag(xsoWholeWord) && !TTextFinder::IsWholeWord(text, {int(at), length})) {
            ++at;
            continue;
        }
        matches.append({int(at), length});
        at += length;
    }
    return matches;
}

QList<TTextMatch> TSearchMatcher::findRegex(const QString &text) const
{
    QList<TTextMatch> matches;
    m_regex->Matches(text, [&matches](const std::shared_ptr<IMatch> &match) {
        matches.append({match->Index(), match->Length()});
    });
    return matches;
}
