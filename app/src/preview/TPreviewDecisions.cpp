#include "preview/TPreviewDecisions.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool TPreviewDecisions::IsPHPFile(const QString &fileName)
{
    static const QStringList extensions{QStringLiteral("php"), QStringLiteral("phtml"), QStringLiteral("php3"),
                                        QStringLiteral("php4"), QStringLiteral("php5")};
    return extensions.contains(QFileInfo(fileName).suffix().toLower());
}

bool TPreviewDecisions::GoesThroughPHP(bool previewUnknownExt, const QString &fileName)
{
    return previewUnknownExt || IsPHPFile(fileName);
}

QString TPreviewDecisions::PathBelow(const QString &webRoot, const QString &fileName)
{
    if (webRoot.trimmed().isEmpty() || fileName.isEmpty())
        return {};
    const QString root = QDir::cleanPath(QDir::fromNativeSeparators(webRoot));
    const QString file = QDir::cleanPath(QDir::fromNativeSeparators(fileName));
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    if (!file.startsWith(prefix) || file.size() == prefix.size())
        return {};
    return file.mid(prefix.size());
}

QString TPreviewDecisions::AddressOf(const QString &rootAddress, const QString &relativePath)
{
    QString address = rootAddress;
    if (!address.endsWith(u'/'))
        address += u'/';
    const QStringList segments = relativePath.split(u'/');
    QStringList encoded;
    for (const QString &segment : segments)
        encoded << QString::fromLatin1(QUrl::toPercentEncoding(segment));
    return address + encoded.join(u'/');
}

QStringList TPreviewDecisions::BrowserArguments(const QString &parameterText, const QString &target)
{
    QStringList arguments = QProcess::splitCommand(parameterText);
    for (QString &argument : arguments)
        argument.replace(QLatin1String("%filename%"), target, Qt::CaseInsensitive);
    if (arguments.isEmpty())
        arguments << target;
    return arguments;
}
