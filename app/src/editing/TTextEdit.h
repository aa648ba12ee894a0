#pragma once

#include <QString>

// One replacement in a document's text and where the caret goes after it.
// Offsets are character offsets, the caret's line and column 0-based.
struct TTextEdit
{
    int start = 0;
    int length = 0;
    QString text;
    int caretLine = 0;
    int caretColumn = 0;
};
