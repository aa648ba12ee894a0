#pragma once

#include "commands/TCommandController.h"
#include "documents/IDocumentOperations.h"
#include "documents/TDocumentCommandsHost.h"

#include <QObject>
#include <optional>

class TFileDialogs;
class TVYRACore;
class TVYRADocumentContainer;

// The document commands of the main window: new, open, open a template,
// save, save as, save all, close, close all and exit, and the operations
// the window asks for drops, middle clicks, the child close box and the end
// of the program. Questions go through the prompter, file names through the
// file dialogs, so every command runs without a window in the tests.
//
// Nothing the user typed is lost: a document is closed only when it is no
// longer modified or the user chose to leave it unsaved.
class TDocumentCommands : public QObject, public TCommandController, public IDocumentOperations
{
    Q_OBJECT
public:
    TDocumentCommands(TVYRACore &core, TFileDialogs &dialogs, TDocumentCommandsHost host);
    ~TDocumentCommands() override;

    // FileNew, FileOpen, FileOpenTemplate, FileSave, FileSaveAs, FileSaveAll,
    // FileClose, FileCloseAll, FileExit.
    void Register(TActionRegistry &registry) override;

    // IDocumentOperations
    void OpenFiles(const QStringList &fileNames, TVYRAProjectGroupItems *target = nullptr) override;
    bool CloseDocument(int index) override;
    bool CloseProjectGroup(TVYRAProjectGroupItems *group) override;
    bool QueryExit() override;
    void CloseAllWithoutAsking() override;

    // The commands.
    int NewDocument();
    void Open();
    void OpenTemplateForEditing();
    // A new document from a template file ("*.qtf").
    bool NewFromTemplate(const QString &templateFile);
    // Saves document index (under a new name when asked); true when the
    // document is saved afterwards.
    bool Save(int index, bool newName = false);
    bool SaveActive();
    bool SaveActiveAs();
    // Every modified document, then every modified project group; true when all were saved.
    bool SaveAll();
    // Writes a project group, asking for a name when it has no file yet or newName is set.
    bool SaveProjectGroup(TVYRAProjectGroupItems *group, bool newName = false);
    // The save question before document index is closed: true when it may
    // close (not modified, "Nein", or saved after "Ja").
    bool ConfirmClose(int index);
    bool CloseActive();
    // Offers the unsaved documents and groups, then closes every group.
    bool CloseAll();
    void Exit();

    // The active group by the target rule and the group new files go into
    // (nullptr: the container's default group).
    TVYRAProjectGroupItems *ActiveProjectGroup() const;
    TVYRAProjectGroupItems *TargetProjectGroup() const;

    bool IsOpeningBatch() const { return m_openingBatch; }
    bool IsOpeningFile() const { return m_openingFile; }
    bool IsClosing() const { return m_closing; }

private:
    TVYRADocumentContainer &container() const;
    bool openOne(const QString &fileName, TVYRAProjectGroupItems *target, int flags);
    std::optional<QString> askSaveName(int index, bool newName);
    TCloseAnswer askClose(const QList<TVYRAProjectGroupItems *> &groups, TCloseDialogMode mode);
    QList<TVYRAProjectGroupItems *> allGroups() const;
    int indexOf(const TVYRADocument *document) const;
    void listsChanged();
    void rememberRecent(const QString &fileName);

    TVYRACore &m_core;
    TFileDialogs &m_dialogs;
    TDocumentCommandsHost m_host;
    bool m_openingBatch = false;
    bool m_openingFile = false;
    bool m_closing = false;
};
