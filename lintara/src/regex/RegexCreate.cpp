#include "regex/RegexCreate.h"

#include "regex/TRegex.h"
#include "regex/TRegexCache.h"

std::shared_ptr<IRegex> RegexCreate(const QString &pattern)
{
    return RegexCreate(pattern, TRegCompileOptions(), QStringLiteral("C"), RXLC_ALL);
}

std::shared_ptr<IRegex> RegexCreate(const QString &pattern, TRegCompileOptions options)
{
    return RegexCreate(pattern, options, QStringLiteral("C"), RXLC_ALL);
}

std::shared_ptr<IRegex> RegexCreate(const QString &pattern, const QString &localeName, TRegexLocaleCategory category)
{
    return RegexCreate(pattern, TRegCompileOptions(), localeName, category);
}

std::shared_ptr<IRegex> RegexCreate(const QString &pattern, TRegCompileOptions options, const QString &localeName,
                                    TRegexLocaleCategory category)
{
    return std::make_shared<TRegex>(pattern, options, localeName, category);
}

std::shared_ptr<IRegex> RegexCreateCached(const QString &pattern, TRegCompileOptions options)
{
    return TRegexCache::Instance().Get(pattern, options);
}
