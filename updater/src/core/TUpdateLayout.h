#pragma once

#include <QString>
#include <functional>

struct TSystemFolders;

// Where the update may put files. The three placeholders of the update list
// resolve by the editor's own data-folder rule, so that updated data lands
// where the editor reads it. In the portable layout (a "Data" folder in the
// program base folder) every target is updatable; in an installed layout a
// program folder the user cannot write is left to the system's installer,
// and data folders are updated only where they can be written. An
// installation of the system's package manager leaves the program and the
// common data to it, writable or not: only the user's data is updated.
class TUpdateLayout
{
public:
    // programFolder: the folder holding the editor and the assistant.
    static TUpdateLayout ForProgramFolder(const QString &programFolder, const TSystemFolders &system);
    static TUpdateLayout ForProgramFolder(const QString &programFolder);

    QString ProgramFolder() const { return m_programFolder; }
    QString InstDir() const { return m_instDir; }
    QString DataDir() const { return m_dataDir; }
    QString UserDataDir() const { return m_userDataDir; }
    bool Portable() const { return m_portable; }

    // Replaces the first occurrence of each placeholder, accepts "\" as
    // delimiter and ends the folder with '/'.
    QString Expand(const QString &target) const;

    // Whether an entry listed for target may be installed in this layout.
    bool Updatable(const QString &target) const;
    // Whether the program folder itself is left to the system's installer.
    bool ProgramLeftToSystem() const;

    // Decides whether a folder can be written (tests give their own).
    void SetWritableCheck(std::function<bool(const QString &)> check) { m_writable = std::move(check); }
    // Whether the package manager installed the program (found from its
    // package database by ForProgramFolder; tests set it).
    bool PackageManaged() const { return m_packageManaged; }
    void SetPackageManaged(bool managed) { m_packageManaged = managed; }

private:
    bool writable(const QString &folder) const;

    QString m_programFolder;
    QString m_instDir;
    QString m_dataDir;
    QString m_userDataDir;
    bool m_portable = false;
    bool m_packageManaged = false;
    std::function<bool(const QString &)> m_writable;
};
