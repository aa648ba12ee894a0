#pragma once

#include <QString>

// The user-wide and machine-wide folders the data directories are chosen
// from. The program resolves them from the system; tests give their own.
struct TSystemFolders {
    QString appData;       // per-user data: $XDG_DATA_HOME/Talvex Studio/
    QString commonAppData; // machine-wide data: <program base>/share/Talvex Studio/
    QString documents;     // the user's documents folder

    static TSystemFolders forProgramBase(const QString &programBaseFolder);
};

// The folders chosen once at start. Every folder ends with '/'.
struct TDataFolders {
    QString programBase;
    QString commonData;
    QString userData;
    QString projects;
    bool portable = false;

    // The folder above the one holding the program file.
    static QString programBaseFolder(const QString &programFile);

    // Portable layout when "Data" exists in the program base folder: common
    // data there, user data in the per-user folder when that exists, else in
    // "Data/User/". Otherwise the machine-wide and the per-user folder.
    static TDataFolders choose(const QString &programBaseFolder, const TSystemFolders &system);

    // "Talvex Studio-Projekte/" in the documents folder.
    static QString projectsFolder(const QString &documentsFolder);
};
