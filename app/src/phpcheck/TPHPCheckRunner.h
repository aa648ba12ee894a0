#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TPrivateFolder;

// What one run of the interpreter gave.
struct TPHPCheckResult
{
    enum class TStatus { Passed, Failed, TimedOut, NotStarted };
    TStatus Status = TStatus::NotStarted;
    QStringList Lines;     // standard output and error, in the order written
    QByteArray Output;     // the same as bytes: the page a run printed
    QString CheckedFile;   // the file the interpreter was given
    QString ErrorText;     // German, for TimedOut and NotStarted

    bool Passed() const { return Status == TStatus::Passed; }
};

// Runs the PHP interpreter on a file: "-l" checks it, "-f" runs it. The
// process gets an argument list (no shell), its own working folder (the
// program's current folder is never changed), reads no input, and is
// stopped at the time limit. Errors are printed in PHP's HTML form to the
// same pipe as the page, whatever php.ini says, so that they can be read.
class TPHPCheckRunner
{
public:
    TPHPCheckRunner(QString phpExecutable, int timeoutMs);

    TPHPCheckResult CheckFile(const QString &fileName, bool runScript) const;
    // The text goes to a private copy (mode 0600) that is removed after the
    // run; workingFolder (the document's folder, if any) is where it runs,
    // so that its relative includes are found.
    TPHPCheckResult CheckText(const QString &text, const QString &workingFolder, bool runScript,
                              TPrivateFolder &folder) const;

    static QStringList Arguments(const QString &fileName, bool runScript);

private:
    TPHPCheckResult run(const QString &fileName, const QString &workingFolder, bool runScript) const;

    QString m_php;
    int m_timeoutMs;
};
