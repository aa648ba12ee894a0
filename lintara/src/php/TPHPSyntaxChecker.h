#pragma once

#include "lintara_export.h"

#include <QStringList>

enum class TPHPSyntaxStatus {
    ssNoErrors, // the interpreter ran and reported nothing wrong
    ssErrors,   // the interpreter reported errors
    ssNotRun,   // no interpreter, no temporary file, or the process did not start
    ssTimedOut, // stopped at the time limit
};

// Runs the PHP interpreter on a file ("-l" to check it, "-f" to run it) and
// reads what it printed.
class LINTARA_EXPORT TPHPSyntaxChecker
{
public:
    struct TResult
    {
        TPHPSyntaxStatus Status = TPHPSyntaxStatus::ssNotRun;
        QStringList Output;   // what the interpreter printed when it found errors
        QStringList Messages; // what it printed when it succeeded
    };

    // Checks fileName when it names an existing file, else sourceText in a
    // private temporary file.
    static TResult Run(const QString &phpExecutable, const QString &fileName, const QString &sourceText,
                       bool runScript, int timeoutMs);

private:
    static TResult runOn(const QString &phpExecutable, const QString &path, bool runScript, int timeoutMs);
    static TResult evaluate(int exitCode, const QByteArray &output);
};
