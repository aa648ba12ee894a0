#include "recovery/TFileStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

TFileStamp TFileStamp::Of(const QString &fileName)
{
    TFileStamp stamp;
    const QFileInfo info(fileName);
    if (!info.isFile())
        return stamp;
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    if (stamp.size <= HashLimit) {
        QFile file(fileName);
        if (file.open(QIODevice::ReadOnly)) {
            QCryptographicHash hash(QCryptographicHash::Sha1);
            if (hash.addData(&file))
                stamp.hash = hash.result();
        }
    }
    return stamp;
}

bool TFileStamp::SameAs(const TFileStamp &other) const
{
    if (exists != other.exists)
        return false;
    if (!exists)
        return true;
    if (size != other.size)
        return false;
    if (!hash.isEmpty() && !other.hash.isEmpty())
        return hash == other.hash;
    return modified == other.modified;
}
