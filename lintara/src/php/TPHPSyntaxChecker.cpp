#include "php/TPHPSyntaxChecker.h"

#include "regex/RegexCreate.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

#include <unistd.h>

TPHPSyntaxChecker::TResult TPHPSyntaxChecker::Run(const QString &phpExecutable, const QString &fileName,
                                                  const QString &sourceText, bool runScript, int timeoutMs)
{
    const QFileInfo php(phpExecutable);
    if (phpExecutable.isEmpty() || !php.isFile() || !php.isExecutable())
        return {};
    if (!fileName.isEmpty() && QFileInfo(fileName).isFile())
        return runOn(phpExecutable, QFileInfo(fileName).absoluteFilePath(), runScript, timeoutMs);

    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/tmpXXXXXX.php"));
    if (!file.open())
        return {};
    const QByteArray bytes = sourceText.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        return {};
    return runOn(phpExecutable, file.fileName(), runScript, timeoutMs);
}

TPHPSyntaxChecker::TResult TPHPSyntaxChecker::runOn(const QString &phpExecutable, const QString &path,
                                                    bool runScript, int timeoutMs)
{
    QProcess process;
    process.setProgram(phpExecutable);
    process.setArguments({QStringLiteral("-d"), QStringLiteral("display_errors=1"), QStringLiteral("-d"),
                          QStringLiteral("html_errors=1"), QStringLiteral("-d"), QStringLiteral("log_errors=0"),
                          runScript ? QStringLiteral("-f") : QStringLiteral("-l"), path});
    process.setWorkingDirectory(QFileInfo(path).absolutePath());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier([] { (void)nice(10); });
    process.start();
    if (!process.waitForStarted())
        return {};
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        TResult result;
        result.Status = TPHPSyntaxStatus::ssTimedOut;
        return result;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        TResult result;
        result.Status = TPHPSyntaxStatus::ssErrors;
        result.Output = QString::fromUtf8(process.readAll()).split(u'\n');
        return result;
    }
    return evaluate(process.exitCode(), process.readAll());
}

TPHPSyntaxChecker::TResult TPHPSyntaxChecker::evaluate(int exitCode, const QByteArray &output)
{
    QStringList lines = QString::fromUtf8(output).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    TResult result;
    if (exitCode == 0) {
        result.Status = TPHPSyntaxStatus::ssNoErrors;
        result.Messages = lines;
        return result;
    }
    lines.removeIf([](const QString &line) {
        const QString t = line.trimmed();
        return t == QLatin1String("<br>") || t == QLatin1String("<br />");
    });
    result.Output = lines;
    const auto noErrors = RegexCreateCached(QStringLiteral("(?i)No syntax errors detected in (.*)"),
                                            TRegCompileOption::rcoSingleLine);
    const bool clean = lines.isEmpty() || (lines.size() == 1 && noErrors->IsMatch(lines.first()));
    result.Status = clean ? TPHPSyntaxStatus::ssNoErrors : TPHPSyntaxStatus::ssErrors;
    return result;
}
