#include "search/TLintaraTextRegex.h"

#include "regex/RegexCreate.h"

QList<TTextMatch> TLintaraTextRegex::FindAll(const QString &text, const QString &pattern, bool caseSensitive) const
{
    TRegCompileOptions options;
    if (!caseSensitive)
        options = TRegCompileOptions(TRegCompileOption::rcoIgnoreCase);
    const std::shared_ptr<IRegex> regex = RegexCreateCached(pattern, options);
    const std::shared_ptr<IMatchCollection> matches = regex->Matches(text);
    QList<TTextMatch> result;
    result.reserve(matches->Count());
    for (int32_t i = 0; i < matches->Count(); ++i) {
        const std::shared_ptr<IMatch> match = matches->Items(i);
        result.append({match->Index(), match->Length()});
    }
    return result;
}
