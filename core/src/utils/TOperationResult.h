#pragma once

#include <QString>

// Outcome of an operation on a data file or an external program that can
// fail, with the German text to show; the caller decides whether to show it.
struct TOperationResult {
    bool ok = true;
    QString errorText;

    static TOperationResult success() { return {}; }
    static TOperationResult failure(const QString &text) { return {false, text}; }
    explicit operator bool() const { return ok; }
};
