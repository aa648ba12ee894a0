#include "settings/TPhpVersionProbe.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

TPhpVersionProbe::TPhpVersionProbe(QObject *parent)
    : QObject(parent)
{
}

TPhpVersionProbe::~TPhpVersionProbe()
{
    stop();
}

void TPhpVersionProbe::stop()
{
    if (!m_process)
        return;
    QProcess *process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(1000);
    }
    delete process;
}

void TPhpVersionProbe::Start(const QString &path)
{
    stop();
    const QFileInfo file(path);
    if (path.trimmed().isEmpty() || !file.isFile()) {
        emit finished(QStringLiteral("Datei nicht gefunden."));
        return;
    }
    auto *process = new QProcess(this);
    m_process = process;
    process->setProgram(file.absoluteFilePath());
    process->setArguments({QStringLiteral("-n"), QStringLiteral("-v")});
    process->setProcessChannelMode(QProcess::MergedChannels);
    connect(process, &QProcess::finished, this, [this, process] { done(process); });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            done(process);
    });
    QTimer::singleShot(TimeLimitMs, process, [process] { process->kill(); });
    process->start();
}

void TPhpVersionProbe::done(QProcess *process)
{
    if (process != m_process)
        return;
    const QString version = VersionFromOutput(process->readAll());
    m_process = nullptr;
    process->deleteLater();
    emit finished(QStringLiteral("Version: %1").arg(version.isEmpty() ? QStringLiteral("unbekannt") : version));
}

QString TPhpVersionProbe::VersionFromOutput(const QByteArray &output)
{
    static const QRegularExpression banner(QStringLiteral("^PHP (\\d+\\.\\d+\\.\\d+\\S*)"));
    const QRegularExpressionMatch match = banner.match(QString::fromUtf8(output).trimmed());
    return match.hasMatch() ? match.captured(1) : QString();
}
