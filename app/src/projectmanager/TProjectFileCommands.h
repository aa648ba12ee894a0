#pragma once

#include "projectmanager/TProjectItemRemoval.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TFileDialogs;
class TPrompter;
class TVYRAExtensions;
class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;

// The file-management commands of the project manager on one project group:
// show, new folder, import a folder, sort, add files, remove, change the
// comment, set the start page, and files dropped from a file manager. The
// questions go through the prompter and the dialogs through the host, so
// every command runs without a window. Adding follows the group's
// synchronisation mode (the core copies or moves into the project folder).
class TProjectFileCommands
{
public:
    struct THost {
        TFileDialogs *dialogs = nullptr;
        // The folder to import; empty when cancelled.
        std::function<QString()> chooseFolder;
        const TVYRAExtensions *extensions = nullptr;
        TProjectItemRemoval::TSaveQuestion saveQuestion;
    };

    TProjectFileCommands(TPrompter &prompter, THost host);

    // Opens every file item in the editor (folders are skipped); the number opened.
    int Show(const QList<TVYRAProjectGroupItem *> &items);
    // Asks for a name until a valid file name comes or the user cancels; the
    // new folder goes under the item's folder (the root without item).
    bool NewFolder(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item);
    bool ImportFolder(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item);
    // The chosen existing files under the item's folder; the number added.
    int AddFiles(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item);
    // Files and folders named by a drop, under the item's folder; the number added.
    int AddPaths(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item, const QStringList &paths);
    int Remove(const QList<TVYRAProjectGroupItem *> &items);
    bool ChangeComment(TVYRAProjectGroupItem *item);
    // Only for a file item of a studio project that is not the start page yet.
    static bool CanBeStartPage(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item);
    bool SetStartPage(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *item);

    // The open dialog's request: title, multi-selection, filter of the file types.
    static struct TOpenFilesRequest AddFilesRequest(const TVYRAExtensions *extensions,
                                                    const TVYRAProjectGroupItems &group);

private:
    bool addPath(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *folder, const QString &path,
                 QStringList &errors);
    void reportErrors(const QStringList &errors);

    TPrompter &m_prompter;
    THost m_host;
};
