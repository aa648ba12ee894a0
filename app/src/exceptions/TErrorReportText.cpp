#include "exceptions/TErrorReportText.h"

#include "exceptions/TErrorRecord.h"
#include "utils/VersionInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSysInfo>

QString TErrorReportText::Format(const TArguments &arguments)
{
    static const QString pattern = QStringLiteral(
        "Talvex Studio Fehlerbericht\r\n"
        "Programmversion %1, Build-Datum: %2\r\n"
        "Datum- und Uhrzeit: %3\r\n"
        "-----------------------------------\r\n"
        "Unbehandelter Fehler der Klasse \"%4\" in Modul \"%5\" aufgetreten.\r\n"
        "Fehlermeldung vom Programm: \"%6\"\r\n"
        "Win32 Fehlermeldung (Code %7): \"%8\".\r\n"
        "------------------------------------\r\n"
        "Windows Version: %9");
    // One multi-argument call, so that a "%1" inside a message stays as it is.
    return pattern.arg(arguments.version, arguments.buildDate, arguments.now, arguments.className,
                       arguments.module, arguments.message, QString::number(arguments.code),
                       arguments.systemMessage, arguments.systemVersion);
}

TErrorReportText::TArguments TErrorReportText::ForRunningProgram(const TErrorRecord &record, const QDateTime &now)
{
    TArguments arguments;
    arguments.version = GetVersion(QString(), true);
    arguments.buildDate = GetDate().trimmed();
    arguments.now = FormatBuildDate(now);
    arguments.className = record.className;
    arguments.module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    arguments.message = record.message;
    arguments.code = record.code;
    arguments.systemMessage = record.systemMessage;
    arguments.systemVersion = QStringLiteral("%1 (%2 %3)")
                                  .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                                       QSysInfo::kernelVersion());
    return arguments;
}

QString TErrorReportText::Build(const TErrorRecord &record)
{
    return Format(ForRunningProgram(record, QDateTime::currentDateTime()));
}
