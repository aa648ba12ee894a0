#include "facade/TTextFinder.h"

TTextFinder::TTextFinder(const ITextRegex *regex, TVYRASearchOptions options)
    : m_regex(regex)
    , m_options(options)
{
}

bool TTextFinder::IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool TTextFinder::IsWholeWord(const QString &text, const TTextMatch &match)
{
    const int end = match.pos + match.len;
    const bool startOk = match.pos == 0 || !IsWordChar(text[match.pos - 1]);
    const bool endOk = end >= text.size() || !IsWordChar(text[end]);
    return startOk && endOk;
}

QList<TTextMatch> TTextFinder::findPlain(const QString &text, const QString &pattern) const
{
    QList<TTextMatch> matches;
    const Qt::CaseSensitivity cs = m_options.testFlag(xsoCaseSensitive) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = text.indexOf(pattern, 0, cs); at >= 0; at = text.indexOf(pattern, at + 1, cs)) {
        const TTextMatch match{int(at), int(pattern.size())};
        // Whole-word hits may overlap a rejected one; ordinary hits may not overlap.
        if (!matches.isEmpty() && match.pos < matches.last().pos + matches.last().len)
            continue;
        matches.append(match);
    }
    return matches;
}

QList<TTextMatch> TTextFinder::FindAll(const QString &text, const QString &pattern) const
{
    if (pattern.isEmpty())
        return {};
    QList<TTextMatch> matches;
    if (m_options.testFlag(xsoUseRegEx)) {
        if (m_regex)
            matches = m_regex->FindAll(text, pattern, m_options.testFlag(xsoCaseSensitive));
    } else {
        matches = findPlain(text, pattern);
    }
    if (m_options.testFlag(xsoWholeWord)) {
        matches.removeIf([&text](const TTextMatch &m) { return m.len == 0 || !IsWholeWord(text, m); });
    }
    return matches;
}
