#include "help/TAboutText.h"

#include "utils/VersionInfo.h"

#include <Qsci/qsciglobal.h>
#include <QtGlobal>
#include <openssl/opensslv.h>
#include <pugixml.hpp>

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace {

QString pugixmlVersion()
{
    // 1130 stands for 1.13; releases before 1.10 wrote 190 for 1.9.
    const int value = PUGIXML_VERSION;
    if (value >= 1000)
        return QStringLiteral("%1.%2").arg(value / 1000).arg((value % 1000) / 10);
    return QStringLiteral("%1.%2").arg(value / 100).arg((value % 100) / 10);
}

QString opensslVersion()
{
#ifdef OPENSSL_VERSION_STR
    return QStringLiteral(OPENSSL_VERSION_STR);
#else
    return QStringLiteral(OPENSSL_VERSION_TEXT);
#endif
}

} // namespace

QString TAboutText::Caption()
{
    return QStringLiteral("Info über Talvex Studio");
}

QString TAboutText::ProductName()
{
    return QStringLiteral("Talvex Studio");
}

QString TAboutText::Description()
{
    return QStringLiteral("Die professionelle IDE für HTML und PHP.");
}

QString TAboutText::VersionLine(const QString &version, const QString &buildDate)
{
    const QString date = buildDate.trimmed();
    if (date.isEmpty())
        return QStringLiteral("Version %1 RC 2").arg(version);
    return QStringLiteral("Version %1 RC 2, ").arg(version) + QStringLiteral("built on %1").arg(date);
}

QString TAboutText::ProgramVersionLine()
{
    return VersionLine(GetVersion(), GetDate());
}

QStringList TAboutText::ComponentLines()
{
    QString qt = QStringLiteral("Qt %1").arg(QStringLiteral(QT_VERSION_STR));
    const QString running = QString::fromLatin1(qVersion());
    if (running != QStringLiteral(QT_VERSION_STR))
        qt += QStringLiteral(" (ausgeführt mit %1)").arg(running);
    return {qt,
            QStringLiteral("QScintilla %1").arg(QStringLiteral(QSCINTILLA_VERSION_STR)),
            QStringLiteral("PCRE2 %1.%2").arg(PCRE2_MAJOR).arg(PCRE2_MINOR, 2, 10, QLatin1Char('0')),
            QStringLiteral("pugixml %1").arg(pugixmlVersion()),
            QStringLiteral("OpenSSL %1").arg(opensslVersion())};
}

QString TAboutText::Text(const QString &version, const QString &buildDate)
{
    QStringList lines{ProductName(), VersionLine(version, buildDate), Description(), QString()};
    lines << QStringLiteral("Erstellt mit:") << ComponentLines();
    return lines.join(QLatin1Char('\n'));
}
