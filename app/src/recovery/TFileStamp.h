#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file on disk looked like: whether it exists, its size, its time of
// last change and, for a small file, a hash of its content. Two stamps of
// a small file are the same when the content is (a touched file is not a
// changed one, and a change within the file system's time resolution is
// still seen); a larger file is compared by size and time.
struct TFileStamp {
    bool exists = false;
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash; // empty for a large or unreadable file

    static constexpr qint64 HashLimit = 4 * 1024 * 1024;

    static TFileStamp Of(const QString &fileName);
    bool SameAs(const TFileStamp &other) const;
};
