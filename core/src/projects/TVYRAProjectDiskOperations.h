#pragma once

#include "documents/TDocumentResult.h"
#include "utils/TSHFileOperation.h"

#include <QString>
#include <QStringList>

// The disk work of a synchronised project group, done through the file
// operations of the utility library. Every failure comes back with a German
// text that names the entries; nothing is ever deleted for good.
class TVYRAProjectDiskOperations
{
public:
    // Moves a file or folder to target, a full path that must not exist yet.
    static TDocumentResult MoveEntry(const QString &source, const QString &target);
    // Copies or moves a file to target, a full path that must not exist yet.
    static TDocumentResult TransferFile(const QString &source, const QString &target, TSHFileOperationType operation);
    // Copies or moves the entries into the existing folder targetFolder; an
    // entry that exists there already makes the operation fail.
    static TDocumentResult TransferInto(const QStringList &sources, const QString &targetFolder,
                                        TSHFileOperationType operation);
    // Sends an entry to the trash; trashedName receives its name there.
    static TDocumentResult Trash(const QString &path, QString &trashedName);
    // Puts an entry sent to the trash back where it was.
    static bool Restore(const QString &trashedName, const QString &path);
};
