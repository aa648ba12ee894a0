#pragma once

#include <QString>

// Patterns written for 8-bit text use a range up to \xff for "any non-ASCII
// character" (identifier classes). On UTF-16 text that range would stop at
// U+00FF, so such a range is widened to the last code point.
class TRegexPatternTranslator
{
public:
    static QString ForUnicode(const QString &pattern);

private:
    // Value of the class atom at i (a character or a \x escape), or -1 for
    // anything else; end receives the index after it.
    static int classAtom(const QString &pattern, qsizetype i, qsizetype &end);
};
