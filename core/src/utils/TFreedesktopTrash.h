#pragma once

#include "vyra_export.h"

#include <QString>

// The user's trash in the freedesktop.org layout:
// "<root>/files/<name>" holds the entry, "<root>/info/<name>.trashinfo" its
// original path and deletion time. The home trash is used for every file; an
// entry on another file system is copied there and then deleted.
class VYRA_EXPORT TFreedesktopTrash
{
public:
    // $XDG_DATA_HOME/Trash, or ~/.local/share/Trash.
    static QString DefaultRoot();

    explicit TFreedesktopTrash(QString root = DefaultRoot());

    const QString &Root() const { return m_root; }
    // Moves a file, link or folder tree into the trash. On failure the entry
    // stays where it was and *error tells why.
    bool MoveToTrash(const QString &path, QString *error, QString *trashedName = nullptr);

private:
    bool prepareFolders(QString *error);
    // Creates the info file under a name not yet used; empty on failure.
    QString reserveName(const QString &fileName, const QByteArray &info, QString *error);

    QString m_root;
};
