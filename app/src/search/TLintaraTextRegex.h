#pragma once

#include "facade/ITextRegex.h"

// The text search's regular expressions on the regular-expression facade.
class TLintaraTextRegex : public ITextRegex
{
public:
    // Raises ERegexException for a pattern that does not compile.
    QList<TTextMatch> FindAll(const QString &text, const QString &pattern, bool caseSensitive) const override;
};
