#include "TSystemPackage.h"

#include <QDir>
#include <QFile>

bool TSystemPackage::Owns(const QString &file, const QString &infoFolder)
{
    QFile list(QDir(infoFolder).filePath(PackageName() + QStringLiteral(".list")));
    if (!list.open(QIODevice::ReadOnly))
        return false;
    const QByteArray wanted = QDir::cleanPath(file).toUtf8();
    while (!list.atEnd()) {
        if (list.readLine().trimmed() == wanted)
            return true;
    }
    return false;
}
