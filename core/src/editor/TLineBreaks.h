#pragma once

#include "vyra_export.h"

#include <QString>
#include <QStringView>

enum class TLineBreak { lbLF, lbCRLF, lbCR };

// The line breaks of a text: which one a text uses, and making every break
// of a text one kind.
class VYRA_EXPORT TLineBreaks
{
public:
    // The kind of the text's first line break; LF when it has none.
    static TLineBreak First(QStringView text);
    static QString Text(TLineBreak lineBreak);
    // "\r\n", "\r" and "\n" (anything else counts as LF).
    static TLineBreak FromText(QStringView lineBreak);

    // Text with every CR LF, lone CR and lone LF made lineBreak.
    static QString Convert(const QString &text, TLineBreak lineBreak);
};
