#pragma once

#include <QString>

// Text inserted as a block keeps the caret's indentation: every line after
// the first starts in the caret's column.
class TBlockText
{
public:
    // The line break the text is built with: CR LF when it holds one, else CR
    // when it holds one, else LF.
    static QString LineBreakOf(const QString &text);
    // Every line break of text followed by (column - 1) blanks; column is 1-based.
    static QString Indent(const QString &text, int column);
};
