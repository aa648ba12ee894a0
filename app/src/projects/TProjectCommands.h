#pragma once

#include "commands/TCommandController.h"
#include "projects/TProjectFileBatch.h"

#include <functional>

class TDocumentCommands;
class TFileDialogs;
class TVYRACore;
class TVYRADocument;
class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;

// What the project commands need of the window around them.
struct TProjectCommandsHost {
    // The project group the commands work on (tree or "Projektliste").
    std::function<TVYRAProjectGroupItems *()> selectedGroup;
    // The node selected in the project tree, or nullptr.
    std::function<TVYRAProjectGroupItem *()> selectedItem;
    // The tree and the lists show the groups anew.
    std::function<void()> refresh;
    // Progress of a long addition; the default shows none.
    std::function<TProjectFileBatch::TProgress(int total)> progress;
};

// The project commands of the main window: adding and removing items,
// sorting, showing and closing a file, saving documents and the project,
// closing the project. Questions go through the prompter, file names
// through the file dialogs, documents are saved and closed by the document
// commands, so that nothing typed is lost on the way.
class TProjectCommands : public TCommandController
{
public:
    TProjectCommands(TVYRACore &core, TDocumentCommands &documents, TFileDialogs &dialogs, TProjectCommandsHost host);

    void Register(TActionRegistry &registry) override;

    // Adds files under the selected folder (the group's root when none), as
    // the group's synchronisation says; false when nothing was added.
    bool Add(const QStringList &files);
    void AddByDialog();
    // Removes the selected node with its subtree after the question; modified
    // documents in it are offered for saving first. False when nothing went.
    bool RemoveSelected();
    void AlphaSort();
    void ShowFile();
    void CloseFile();
    void EditTemplate();
    // Saves the group's documents that are modified or have no file yet.
    bool SaveUnsavedFiles();
    bool SaveProject(bool newName = false);
    // The group's documents, then the group.
    bool SaveAllFiles();
    bool CloseProject();
    // The properties of the selected file, opened first when it is not open.
    void ShowProperties();
    // Shows the properties dialog of a document; until set, ProjectProperties does nothing.
    void SetPropertiesViewer(std::function<void(TVYRADocument *)> viewer) { m_showProperties = std::move(viewer); }

private:
    TVYRAProjectGroupItem *selectedFile() const;
    int documentIndex(const TVYRADocument *document) const;

    TVYRACore &m_core;
    TDocumentCommands &m_documents;
    TFileDialogs &m_dialogs;
    TProjectCommandsHost m_host;
    std::function<void(TVYRADocument *)> m_showProperties;
};
