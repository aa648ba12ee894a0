#pragma once

#include <QString>
#include <QStringList>

// The helper's work: moves every unpacked file of the update folder into the
// folder "updatedata.ini" names for it, replaces the assistant once its
// process has ended, and cleans up. A file is copied to a temporary name in
// its target folder and renamed over the old one, so that a failed copy
// leaves the installed file whole.
class THelperInstaller
{
public:
    struct TArguments {
        QString programFolder; // the assistant's (and editor's) folder
        qint64 assistantPid = 0;
        QString assistantPath;
        bool valid = false;
    };
    // "-update <folder> <pid> <assistant>"; anything else is not valid.
    static TArguments ParseArguments(const QStringList &arguments);

    // updateFolder: the helper's own folder; helperFile: its own program file.
    THelperInstaller(QString updateFolder, QString helperFile);

    // Does the whole run; returns the German messages of what failed.
    QStringList Run(const TArguments &arguments);

    // Copies source over destination through a temporary file beside it.
    // Returns the system's error text, empty on success.
    static QString ReplaceFile(const QString &source, const QString &destination);

private:
    void moveUnpackedFiles();
    void replaceAssistant(const TArguments &arguments);

    QString m_folder;
    QString m_helperFile;
    QStringList m_failures;
};
