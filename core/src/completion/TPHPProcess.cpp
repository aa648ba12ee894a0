#include "completion/TPHPProcess.h"

#include <QCoreApplication>
#include <QProcess>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("TPHPProcess", text);
}

QString firstLine(const QByteArray &text)
{
    return QString::fromLocal8Bit(text).trimmed().section(u'\n', 0, 0).trimmed();
}
} // namespace

TPHPProcessResult TPHPProcess::Run(const QString &phpExe, const QStringList &arguments, int timeLimitMs,
                                   const QString &workingDirectory)
{
    TPHPProcessResult result;
    QProcess process;
    process.setProgram(phpExe);
    process.setArguments(arguments);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(timeLimitMs)) {
        result.error = tr("Der PHP-Interpreter \"%1\" konnte nicht gestartet werden.").arg(phpExe);
        return result;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(timeLimitMs)) {
        process.kill();
        process.waitForFinished(-1);
        result.error = tr("Der PHP-Interpreter \"%1\" ist nach %2 Sekunden nicht fertig geworden und wurde beendet.")
                           .arg(phpExe)
                           .arg(timeLimitMs / 1000.0, 0, 'f', 1);
        return result;
    }
    result.output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        result.error = tr("Der PHP-Interpreter \"%1\" ist mit dem Code %2 beendet worden.")
                           .arg(phpExe)
                           .arg(process.exitCode());
        const QString reason = firstLine(process.readAllStandardError());
        if (!reason.isEmpty())
            result.error += u' ' + reason;
        return result;
    }
    result.ok = true;
    return result;
}
