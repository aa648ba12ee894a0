#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What one run of the PHP interpreter gave.
struct VYRA_EXPORT TPHPProcessResult {
    bool ok = false;
    QByteArray output; // standard output
    QString error;     // German text naming the interpreter, when not ok
    explicit operator bool() const { return ok; }
};

// Runs the PHP interpreter as a child process with an argument list (never
// through a shell) and a time limit, and waits for it. The calling thread
// waits too: callers on the GUI thread run it in a worker.
class VYRA_EXPORT TPHPProcess
{
public:
    static TPHPProcessResult Run(const QString &phpExe, const QStringList &arguments, int timeLimitMs,
                                 const QString &workingDirectory = QString());
};
