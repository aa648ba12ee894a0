#pragma once

#include "regex/TRegexMatch.h"

// Expands a replacement template for one match: $n, $$, $&, $`, $'', $+, $_
// and ${name}.
class TSubstitute
{
public:
    explicit TSubstitute(std::shared_ptr<const TRegexMatch> match) : m_match(std::move(match)) {}
    QString Expand(const QString &replaceTemplate) const;

private:
    QString tokenValue(const QString &token, const QString &name) const;
    QString groupText(int32_t number) const;
    std::shared_ptr<const TRegexMatch> m_match;
};
