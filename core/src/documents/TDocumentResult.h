#pragma once

#include <QString>

// Outcome of a document operation that can fail, with the German text to show.
struct TDocumentResult {
    bool ok = true;
    QString errorText;

    static TDocumentResult success() { return {}; }
    static TDocumentResult failure(const QString &text) { return {false, text}; }
    explicit operator bool() const { return ok; }
};
