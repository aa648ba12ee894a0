#pragma once

#include "vyra_export.h"

#include <QList>
#include <QString>

// One match as character offset and length.
struct VYRA_EXPORT TTextMatch {
    int pos = -1;
    int len = 0;
    bool operator==(const TTextMatch &other) const = default;
};

// The regular-expression search of the text search. The program supplies the
// implementation on the regular-expression library; the core has none.
class VYRA_EXPORT ITextRegex
{
public:
    virtual ~ITextRegex();
    // Every non-overlapping match in text, in order. Raises the library's
    // exception for a pattern that does not compile.
    virtual QList<TTextMatch> FindAll(const QString &text, const QString &pattern, bool caseSensitive) const = 0;
};
