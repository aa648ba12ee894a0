#pragma once

#include "startup/TDataFolders.h"

#include <QString>

// Moves the data directories between the portable layout ("Data" beside the
// program folder) and the per-user and machine-wide folders, for the
// switches "/createdatafolderusr" (mode 0) and "/createdatafolderprg" (mode 1).
class TDataFolderConfigurator
{
public:
    TDataFolderConfigurator(const QString &programBaseFolder, const TSystemFolders &system);

    // True only when every folder could be created, every move succeeded and
    // no moved source still holds entries.
    bool ConfigDataDirs(int mode) const;

    // Moves every entry of source into target (merging folders of the same
    // name), then removes source when it is empty. True when every entry moved.
    static bool MoveDataFolder(const QString &source, const QString &target);

private:
    bool toApplicationDataFolders() const;
    bool toProgramFolder() const;

    QString m_portableData; // D: <base>/Data/
    QString m_portableUser; // U: <base>/Data/User/
    QString m_appData;      // A: per-user data folder
    QString m_commonData;   // C: machine-wide data folder
};
