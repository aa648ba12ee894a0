#pragma once

#include "orvane_export.h"

#include <QString>

// 1-based line and column of character offsets in a text, for offsets
// asked in rising order (each question goes on from the last one). A line
// ends at LF, CR LF or a lone CR.
class ORVANE_EXPORT TLineColumnCounter
{
public:
    explicit TLineColumnCounter(const QString &text);

    struct TPlace {
        int line = 1;
        int column = 1;
    };
    // Starts again from the text's beginning when offset lies behind the last one.
    TPlace At(int offset);

private:
    const QString &m_text;
    int m_scanned = 0;
    int m_line = 1;
    int m_lineStart = 0;
};
