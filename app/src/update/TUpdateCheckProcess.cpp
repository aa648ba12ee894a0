#include "update/TUpdateCheckProcess.h"

#include <QFileInfo>
#include <sys/resource.h>

namespace {
constexpr int kUpdatesAvailableExitCode = 255;
constexpr int kIdlePriority = 19;
} // namespace

TUpdateCheckProcess::TUpdateCheckProcess(QString assistant, int limitMs, QObject *parent)
    : QObject(parent)
    , m_assistant(std::move(assistant))
    , m_limitMs(limitMs)
{
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, [this] {
        if (m_process)
            m_process->kill();
    });
}

TUpdateCheckProcess::~TUpdateCheckProcess()
{
    // The child never outlives the editor.
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(2000);
    }
}

bool TUpdateCheckProcess::Start()
{
    if (m_process || !QFileInfo(m_assistant).isExecutable()) {
        QMetaObject::invokeMethod(this, [this] { report(false); }, Qt::QueuedConnection);
        return false;
    }
    m_process = new QProcess(this);
    m_process->setProgram(m_assistant);
    m_process->setArguments({QStringLiteral("-checkupdates")});
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    // Runs in the child between fork and exec: the check never competes with the editor.
    m_process->setChildProcessModifier([] { ::setpriority(PRIO_PROCESS, 0, kIdlePriority); });
    connect(m_process, &QProcess::finished, this, &TUpdateCheckProcess::ended);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            report(false);
    });
    m_process->start();
    m_limit.start(m_limitMs);
    return true;
}

bool TUpdateCheckProcess::Running() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

qint64 TUpdateCheckProcess::ProcessId() const
{
    return m_process ? m_process->processId() : 0;
}

void TUpdateCheckProcess::ended(int exitCode, QProcess::ExitStatus status)
{
    m_limit.stop();
    report(status == QProcess::NormalExit && exitCode == kUpdatesAvailableExitCode);
}

void TUpdateCheckProcess::report(bool available)
{
    if (m_reported)
        return;
    m_reported = true;
    m_updatesAvailable = available;
    emit finished(available);
}
