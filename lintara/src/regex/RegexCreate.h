#pragma once

#include "lintara_export.h"
#include "regex/RegexInterfaces.h"

#include <memory>

// The only way to get a compiled pattern. Throws ERegexException when the
// pattern does not compile, EBadRegexLocale for an unknown locale.
LINTARA_EXPORT std::shared_ptr<IRegex> RegexCreate(const QString &pattern);
LINTARA_EXPORT std::shared_ptr<IRegex> RegexCreate(const QString &pattern, TRegCompileOptions options);
LINTARA_EXPORT std::shared_ptr<IRegex> RegexCreate(const QString &pattern, const QString &localeName,
                                                   TRegexLocaleCategory category);
LINTARA_EXPORT std::shared_ptr<IRegex> RegexCreate(const QString &pattern, TRegCompileOptions options,
                                                   const QString &localeName, TRegexLocaleCategory category);

// For callers that compile the same few patterns again and again (one
// highlighter line after the other): a compiled pattern from a small
// process-wide cache keyed by pattern and options ("C" locale).
LINTARA_EXPORT std::shared_ptr<IRegex> RegexCreateCached(const QString &pattern, TRegCompileOptions options = {});
