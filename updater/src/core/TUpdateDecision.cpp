#include "TUpdateDecision.h"

#include "TUpdateVersion.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

TUpdateDecision::TUpdateDecision(QStringList searchPath, TVersionReader versionOf)
    : m_searchPath(std::move(searchPath))
    , m_versionOf(versionOf ? std::move(versionOf) : TVersionReader(InstalledVersion))
{
}

QStringList TUpdateDecision::SystemSearchPath()
{
    return QString::fromLocal8Bit(qgetenv("PATH")).split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

QString TUpdateDecision::FileSHA1(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex()).toUpper();
}

QString TUpdateDecision::findOnSearchPath(const QString &name) const
{
    for (const QString &folder : m_searchPath) {
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

TUpdateDecision::TResult TUpdateDecision::Decide(TUpdateFile &file, bool includeOptional) const
{
    TResult result;
    file.LocalFile = file.TargetDir + file.FileName;
    file.Installed = QFileInfo(file.LocalFile).isFile();
    if (!file.Installed && file.SystemFile) {
        const QString found = findOnSearchPath(file.FileName);
        if (!found.isEmpty()) {
            file.LocalFile = found;
            file.Installed = true;
        }
    }

    TVersionOrder order = TVersionOrder::Newer;
    if (file.Installed) {
        file.LocalVersion = m_versionOf(file.LocalFile);
        const TVersionComparison comparison = CompareVersions(file.LocalVersion, file.FileVersion);
        if (!comparison.ok()) {
            result.error = QStringLiteral("%1: %2").arg(file.FileName, comparison.error);
            return result;
        }
        order = comparison.order;
        // An installed component's update is no longer optional.
        file.Optional = false;
    } else {
        file.LocalVersion.clear();
        file.Optional = file.Optional && !file.ForceUpdate;
        if (file.Optional && !includeOptional)
            order = TVersionOrder::Older;
    }

    switch (order) {
    case TVersionOrder::Newer:
        result.offered = true;
        break;
    case TVersionOrder::Older:
        result.offered = file.ForceUpdate;
        break;
    case TVersionOrder::Same:
        result.offered = file.ForceUpdate
            || (!file.SHA1.isEmpty() && FileSHA1(file.LocalFile) != file.SHA1.toUpper());
        break;
    }
    return result;
}
