#include "regex/TSubstitute.h"

#include "regex/RegexExceptions.h"
#include "regex/TRegex.h"

namespace {

const TRegex &tokenRegex()
{
    static const TRegex regex(QStringLiteral(R"(\$(\d+|\$|&|`|''|\+|_|{([^}]*)}))"), TRegCompileOptions(),
                              QStringLiteral("C"), RXLC_ALL);
    return regex;
}

} // namespace

QString TSubstitute::Expand(const QString &replaceTemplate) const
{
    QString result;
    int32_t copied = 0;
    tokenRegex().ForEachMatch(replaceTemplate, {}, [&](const TRegexMatch &token) {
        result += QStringView(replaceTemplate).mid(copied, token.Index() - copied);
        result += tokenValue(token.GroupValue(1), token.GroupValue(2));
        copied = token.Index() + token.Length();
    });
    result += QStringView(replaceTemplate).mid(copied);
    return result;
}

QString TSubstitute::tokenValue(const QString &token, const QString &name) const
{
    switch (token.at(0).unicode()) {
    case u'$': return QStringLiteral("$");
    case u'&': return groupText(0);
    case u'`': return m_match->GroupValue(-1);
    case u'\'': return m_match->GroupValue(-2);
    case u'+': return groupText(m_match->Count() - 1);
    case u'_': return m_match->Subject();
    case u'{': return groupText(m_match->GroupNumber(name));
    default: break;
    }
    bool ok = false;
    const int32_t number = token.toInt(&ok);
    if (!ok || number >= m_match->Count())
        throw ERegexInvalidSubstitutionGroup(QStringLiteral("Invalid substitution variable $%1").arg(token));
    return groupText(number);
}

QString TSubstitute::groupText(int32_t number) const
{
    return m_match->GroupValue(number);
}
