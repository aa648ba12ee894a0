#include "TUpdateAddress.h"

namespace {
const char *const kBaseVariable = "TALVEX_UPDATE_URL";
} // namespace

QString TUpdateAddress::DefaultBase()
{
    return QStringLiteral("https://www.halvorn.de");
}

QString TUpdateAddress::Base()
{
    const QString configured = QString::fromLocal8Bit(qgetenv(kBaseVariable)).trimmed();
    return configured.isEmpty() ? DefaultBase() : configured;
}

QUrl TUpdateAddress::ListUrl(const QString &base)
{
    QString text = base;
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    return QUrl(text + QStringLiteral("/update/talvexstudio.xml"));
}

bool TUpdateAddress::IsAllowed(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QStringLiteral("https")
        || (scheme == QStringLiteral("http") && url.host() == QStringLiteral("127.0.0.1"));
}

QUrl TUpdateAddress::ArchiveUrl(const QUrl &listUrl, const QString &remotePath, const QString &archiveName)
{
    return listUrl.resolved(QUrl(remotePath + QString::fromLatin1(QUrl::toPercentEncoding(archiveName))));
}
