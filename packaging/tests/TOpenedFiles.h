#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QVector>

// The files a program tried to open while it ran under strace: every
// absolute path handed to open/openat, cleaned, with whether it opened.
class TOpenedFiles
{
public:
    struct TAttempt {
        QString path;
        bool opened = false;
    };

    // Runs program under strace, following its threads and children, and
    // waits up to timeoutMs for it to end (it is killed after that).
    static TOpenedFiles Trace(const QString &program, const QStringList &arguments,
                              const QProcessEnvironment &environment, int timeoutMs);
    // Reads a log written by "strace -f -xx -e trace=open,openat".
    static TOpenedFiles Parse(const QByteArray &log);

    bool Ended() const { return m_ended; }
    int ExitCode() const { return m_exitCode; }
    // What went wrong with the run itself (strace missing, timeout); empty when it ended.
    QString RunError() const { return m_runError; }
    QString Output() const { return m_output; }

    const QVector<TAttempt> &Attempts() const { return m_attempts; }
    // Paths below folder that opened, or that never opened, each once.
    QStringList Opened(const QString &folder) const;
    QStringList NeverOpened(const QString &folder) const;
    bool WasOpened(const QString &path) const;

private:
    QStringList select(const QString &folder, bool opened) const;

    QVector<TAttempt> m_attempts;
    bool m_ended = false;
    int m_exitCode = -1;
    QString m_runError;
    QString m_output;
};
