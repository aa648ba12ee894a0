#pragma once

#include "projects/TVYRAProjectGroupItems.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// One folder the assistant imports: its content goes into the project.
struct TImportFolder {
    QString path;
    bool recursive = true;
    // The source files are moved into the project instead of copied.
    bool deleteSources = false;
};

// Adds many files and folders to a project group one entry at a time, so
// that the caller can show progress and keep the window alive between
// entries. The group does the disk work as its synchronisation mode says.
// Added entries are asked about one by one when the group wants that; an
// import the user chose as a whole is not.
class TProjectFileBatch
{
public:
    // done, total, and the line to show; false stops the batch.
    using TProgress = std::function<bool(int done, int total, const QString &line)>;

    TProjectFileBatch(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *target, TProgress progress = {});

    // Adds the files and folders (a folder with its content) under the target.
    void AddEntries(const QStringList &paths, TVYRAProjectFileOperation operation);
    // Imports the content of each folder under the target, showing
    // "Ordner "%s" wird importiert..." while it runs.
    void ImportFolders(const QList<TImportFolder> &folders);

    // Every failure, one German line each; empty when all went in.
    const QStringList &Errors() const { return m_errors; }
    bool Stopped() const { return m_stopped; }
    // The entries of a folder (sub-folders only when recursive), folders first.
    static QStringList FolderEntries(const QString &folder, bool recursive);

private:
    bool addOne(const QString &path, TVYRAProjectFileOperation operation);
    bool report(const QString &line);

    TVYRAProjectGroupItems &m_group;
    TVYRAProjectGroupItem *m_target;
    TProgress m_progress;
    QStringList m_errors;
    int m_done = 0;
    int m_total = 0;
    bool m_stopped = false;
};
