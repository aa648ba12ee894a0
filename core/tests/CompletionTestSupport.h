#pragma once

#include "completion/ICompletionEditor.h"

#include <QString>

// An editor position for the parameter hint: one line and a 1-based caret column.
struct TFakeCompletionEditor : ICompletionEditor {
    QString line;
    int column = 1;
    void setLineWithCaretAtEnd(const QString &text)
    {
        line = text;
        column = int(text.size()) + 1;
    }
    QString CaretLineText() const override { return line; }
    int CaretColumn() const override { return column; }
};
