#include "phpcheck/TPHPCheckRunner.h"

#include "phpcheck/TPrivateFolder.h"
#include "regex/RegexCreate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

TPHPCheckRunner::TPHPCheckRunner(QString phpExecutable, int timeoutMs)
    : m_php(std::move(phpExecutable))
    , m_timeoutMs(timeoutMs)
{
}

QStringList TPHPCheckRunner::Arguments(const QString &fileName, bool runScript)
{
    return {QStringLiteral("-d"), QStringLiteral("display_errors=1"),
            QStringLiteral("-d"), QStringLiteral("html_errors=1"),
            QStringLiteral("-d"), QStringLiteral("log_errors=0"),
            runScript ? QStringLiteral("-f") : QStringLiteral("-l"), fileName};
}

TPHPCheckResult TPHPCheckRunner::CheckFile(const QString &fileName, bool runScript) const
{
    const QFileInfo file(fileName);
    return run(file.absoluteFilePath(), file.absolutePath(), runScript);
}

TPHPCheckResult TPHPCheckRunner::CheckText(const QString &text, const QString &workingFolder, bool runScript,
                                           TPrivateFolder &folder) const
{
    const QString copy = folder.WriteNew(QStringLiteral("check"), QStringLiteral(".php"), text.toUtf8());
    if (copy.isEmpty()) {
        TPHPCheckResult result;
        result.ErrorText = QStringLiteral("Die temporäre Datei für die PHP-Prüfung konnte nicht angelegt werden.");
        return result;
    }
    const QString folderToRun = !workingFolder.isEmpty() && QFileInfo(workingFolder).isDir()
        ? workingFolder : QFileInfo(copy).absolutePath();
    TPHPCheckResult result = run(copy, folderToRun, runScript);
    QFile::remove(copy);
    return result;
}

TPHPCheckResult TPHPCheckRunner::run(const QString &fileName, const QString &workingFolder, bool runScript) const
{
    TPHPCheckResult result;
    result.CheckedFile = fileName;
    QProcess process;
    process.setProgram(m_php);
    process.setArguments(Arguments(fileName, runScript));
    process.setWorkingDirectory(workingFolder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted()) {
        result.ErrorText = QStringLiteral("PHP (%1) konnte nicht gestartet werden: %2").arg(m_php, process.errorString());
        return result;
    }
    if (!process.waitForFinished(m_timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.Status = TPHPCheckResult::TStatus::TimedOut;
        result.Output = process.readAll();
        result.ErrorText = QStringLiteral("PHP wurde bei der Prüfung von \"%1\" nach %2 Sekunden angehalten.")
                               .arg(QFileInfo(fileName).fileName())
                               .arg(m_timeoutMs / 1000.0);
        return result;
    }
    result.Output = process.readAll();
    QStringList lines = QString::fromUtf8(result.Output).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    result.Lines = lines;
    const bool crashed = process.exitStatus() != QProcess::NormalExit;
    bool passed = !crashed && process.exitCode() == 0;
    if (!passed && !crashed) {
        // Some interpreters end "-l" with a failing code and only the all-clear line.
        static const auto noErrors = RegexCreateCached(QStringLiteral("(?i)^No syntax errors detected in"));
        QStringList meaningful = lines;
        meaningful.removeIf([](const QString &line) {
            const QString t = line.trimmed();
            return t.isEmpty() || t == QLatin1String("<br>") || t == QLatin1String("<br />");
        });
        passed = meaningful.size() == 1 && noErrors->IsMatch(meaningful.first());
    }
    if (crashed && lines.isEmpty())
        result.Lines << QStringLiteral("PHP wurde bei der Prüfung von \"%1\" unerwartet beendet.")
                            .arg(QFileInfo(fileName).fileName());
    result.Status = passed ? TPHPCheckResult::TStatus::Passed : TPHPCheckResult::TStatus::Failed;
    return result;
}
