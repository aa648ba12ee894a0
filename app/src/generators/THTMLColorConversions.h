#pragma once

#include <QColor>
#include <QString>

// HTML colour texts: the 141 keywords ("aliceblue" ... "yellowgreen",
// "lightgrey" with "e", "mediumpurple" twice) and "#RRGGBB".
class THTMLColorConversions
{
public:
    struct TKeyword {
        const char *name;
        QRgb value;
    };
    static int KeywordCount();
    static const TKeyword &Keyword(int index);

    // The first keyword with the colour's value, else "#RRGGBB" in upper-case hex.
    static QString ColorToHTML(const QColor &color);
    // "#RRGGBB" or "RRGGBB", the short forms "#RGB" and "RGB" (each digit
    // doubled), else a keyword in any case; anything else is black.
    static QColor HTMLToColor(const QString &text);
    // Whether HTMLToColor understands the text (black is no fallback then).
    static bool IsHTMLColor(const QString &text);
};
