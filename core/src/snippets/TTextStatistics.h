#pragma once

#include "vyra_export.h"

#include <QStringView>

// Character and word count of a text, as the document properties show them.
// Characters are Unicode characters (a surrogate pair counts once); words are
// the blanks (code 32) plus one, each blank counting, tabs and line breaks
// not; an empty text has no words.
class VYRA_EXPORT TTextStatistics
{
public:
    explicit TTextStatistics(QStringView text);

    int CharCount = 0;
    int WordCount = 0;
};
