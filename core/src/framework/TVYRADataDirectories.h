#pragma once

#include "vyra_export.h"

#include <QString>
#include <QStringList>

// The folders of the framework, derived from the program base folder and the
// two data directories. Every folder ends with '/'.
struct VYRA_EXPORT TVYRADataDirectories {
    QString AppDir;
    QString AppDataDir;
    QString UserDataDir;
    QString TemplateDir;
    QString PackageDir;
    QString PluginDir;
    QString CipherDir;
    QString ProjectDir;
    QString HighlighterDir;
    QString UserHighlighterDir;

    // Sets AppDir (the program base folder) and derives PackageDir, PluginDir,
    // CipherDir and ProjectDir from it.
    void setAppDir(const QString &appDir);
    // Sets both data directories and derives the folders below them.
    void setDataDirs(const QString &appDataDir, const QString &userDataDir);

    // The nine folders created by the core, in the order they are created.
    QStringList foldersToCreate() const;
    // Creates every folder of foldersToCreate() that does not exist, with its
    // parents; returns the first that could not be created, or an empty text.
    QString createMissingFolders() const;
};
