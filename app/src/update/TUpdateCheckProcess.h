#pragma once

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QTimer>

// Asks the update assistant, as a hidden child process, whether updates are
// available: "-checkupdates" as an argument list, the child at the lowest
// priority, ended after a time limit and killed when the editor ends first.
// Exit code 255 means updates; anything else, a missing assistant included,
// means none, and nothing is shown.
class TUpdateCheckProcess : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultLimitMs = 2 * 60 * 1000;

    explicit TUpdateCheckProcess(QString assistant, int limitMs = DefaultLimitMs, QObject *parent = nullptr);
    ~TUpdateCheckProcess() override;

    // Starts the child; returns at once. False when it could not be started
    // (finished(false) follows from the event loop then too).
    bool Start();
    bool Running() const;
    bool UpdatesAvailable() const { return m_updatesAvailable; }
    qint64 ProcessId() const;

signals:
    void finished(bool updatesAvailable);

private:
    void ended(int exitCode, QProcess::ExitStatus status);
    void report(bool available);

    QString m_assistant;
    int m_limitMs;
    QProcess *m_process = nullptr;
    QTimer m_limit;
    bool m_updatesAvailable = false;
    bool m_reported = false;
};
