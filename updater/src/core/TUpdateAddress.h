#pragma once

#include <QString>
#include <QUrl>

// Where the update list and the archives come from. The base address is the
// maker's server unless the environment variable TALVEX_UPDATE_URL names
// another; the list lies at "/update/talvexstudio.xml" below it. Only HTTPS is
// accepted, and plain HTTP only for the loopback address 127.0.0.1.
class TUpdateAddress
{
public:
    static QString DefaultBase();
    static QString Base();
    static QUrl ListUrl(const QString &base);
    static bool IsAllowed(const QUrl &url);
    // The archive's address: the entry's prefix plus the archive name, taken
    // relative to the list's address when the prefix is not absolute.
    static QUrl ArchiveUrl(const QUrl &listUrl, const QString &remotePath, const QString &archiveName);
};
