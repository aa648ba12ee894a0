#include "completion/TPHPVersionCheck.h"

#include "completion/TPHPProcess.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

QString TPHPVersionCheck::InterpreterVersion(const QString &phpExe, int timeLimitMs, QString *error)
{
    const TPHPProcessResult run = TPHPProcess::Run(phpExe, {QStringLiteral("-r"), QStringLiteral("echo PHP_VERSION;")},
                                                   timeLimitMs);
    if (!run) {
        if (error)
            *error = run.error;
        return {};
    }
    // Start-up notices may stand before the version: take the last line that is one.
    static const QRegularExpression version(QStringLiteral("(\\d+\\.\\d+\\.\\d+\\S*)\\s*$"));
    const QRegularExpressionMatch match = version.match(QString::fromUtf8(run.output));
    return match.hasMatch() ? match.captured(1) : QString();
}

QString TPHPVersionCheck::CatalogueVersion(const QString &catalogueFile)
{
    QFile file(catalogueFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            return reader.attributes().value(QLatin1StringView("phpversion")).toString();
    }
    return {};
}

TPHPVersionCheckResult TPHPVersionCheck::Check(const QString &phpExe, const QString &catalogueFile, int timeLimitMs)
{
    TPHPVersionCheckResult result;
    result.catalogueVersion = CatalogueVersion(catalogueFile);
    result.interpreterVersion = InterpreterVersion(phpExe, timeLimitMs, &result.error);
    if (result.interpreterVersion.isEmpty() || result.catalogueVersion.isEmpty())
        result.state = TPHPVersionState::pvsUnknown;
    else if (result.interpreterVersion == result.catalogueVersion)
        result.state = TPHPVersionState::pvsSame;
    else
        result.state = TPHPVersionState::pvsDiffers;
    return result;
}
