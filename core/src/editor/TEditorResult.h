#pragma once

#include <QString>

// Outcome of an editor operation that can fail, with the text to show.
struct TEditorResult
{
    bool ok = true;
    QString errorText;

    static TEditorResult failure(const QString &text) { return {false, text}; }
    explicit operator bool() const { return ok; }
};
