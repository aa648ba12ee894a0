#include "help/THelpFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString THelpFile::Locate(const QString &commonDataDir, const QString &programBaseDir)
{
    const QString page = QStringLiteral("help/index.html");
    QStringList candidates;
    if (!commonDataDir.isEmpty())
        candidates << QDir(commonDataDir).filePath(page);
    if (!programBaseDir.isEmpty()) {
        const QDir base(programBaseDir);
        candidates << base.filePath(QStringLiteral("Data/") + page)
                   << base.filePath(QStringLiteral("share/Talvex Studio/") + page);
    }
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return candidates.isEmpty() ? QString() : QDir::cleanPath(candidates.first());
}
