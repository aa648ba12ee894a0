#pragma once

#include <QString>

// Outcome of reading or writing an INI or language file, with the German
// text to show when it failed.
struct TIniResult {
    bool ok = true;
    QString errorText;

    static TIniResult success() { return {}; }
    static TIniResult failure(const QString &text) { return {false, text}; }
    explicit operator bool() const { return ok; }
};
