#pragma once

#include "vyra_export.h"

#include <QString>

enum class TPHPVersionState {
    pvsSame,    // the catalogue was made from this interpreter's version
    pvsDiffers, // a rebuild would offer the functions of the interpreter's version
    pvsUnknown, // a version is not known: no interpreter, or no version in the catalogue
};

struct VYRA_EXPORT TPHPVersionCheckResult {
    TPHPVersionState state = TPHPVersionState::pvsUnknown;
    QString interpreterVersion;
    QString catalogueVersion;
    QString error; // German text when the interpreter could not be asked
};

// Tells whether the PHP catalogue was made from the version of the
// configured interpreter, so the program can offer a rebuild when not.
class VYRA_EXPORT TPHPVersionCheck
{
public:
    static constexpr int DefaultTimeLimitMs = 10000;

    static TPHPVersionCheckResult Check(const QString &phpExe, const QString &catalogueFile,
                                        int timeLimitMs = DefaultTimeLimitMs);
    // PHP_VERSION of the interpreter; empty (and error set) when it cannot be asked.
    static QString InterpreterVersion(const QString &phpExe, int timeLimitMs, QString *error = nullptr);
    // The "phpversion" the catalogue records on its root; read from the
    // file's head only, empty when missing.
    static QString CatalogueVersion(const QString &catalogueFile);
};
