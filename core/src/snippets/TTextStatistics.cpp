#include "snippets/TTextStatistics.h"

TTextStatistics::TTextStatistics(QStringView text)
{
    if (text.isEmpty())
        return;
    int blanks = 0;
    int pairs = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' '))
            ++blanks;
        else if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
            ++pairs;
    }
    CharCount = int(text.size()) - pairs;
    WordCount = blanks + 1;
}
