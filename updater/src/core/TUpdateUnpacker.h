#pragma once

#include <QString>

// Takes one file out of an update archive. Only the entry whose name is the
// listed file name is read, so that no other entry name (a path leading
// elsewhere, say) ever becomes a file.
class TUpdateUnpacker
{
public:
    // Extracts entryName of archive to destination (written through a
    // temporary file); at most maxBytes. Returns a German error text, empty on success.
    static QString Extract(const QString &archive, const QString &entryName, const QString &destination,
                           qint64 maxBytes);
};
