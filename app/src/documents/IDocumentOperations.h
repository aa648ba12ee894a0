#pragma once

#include <QStringList>

class TVYRAProjectGroupItems;

// What the main window asks of the document commands besides the actions:
// opening dropped, handed-over and reopened files, the close handshake of a
// child window or a middle click, and closing everything on exit. The
// implementation asks the user through the prompter and the file dialogs.
class IDocumentOperations
{
public:
    virtual ~IDocumentOperations() = default;

    // Opens the files in order as one batch into the target project group
    // (nullptr: the group the target rule chooses); the lists are rebuilt once.
    virtual void OpenFiles(const QStringList &fileNames, TVYRAProjectGroupItems *target = nullptr) = 0;
    // The close handshake for document index of the container: asks to save a
    // modified document; true when the document was closed.
    virtual bool CloseDocument(int index) = 0;
    // Asks for the group's unsaved documents and the group itself, then closes
    // it; true when it was closed.
    virtual bool CloseProjectGroup(TVYRAProjectGroupItems *group) = 0;
    // Exit: offers every unsaved document and project group for saving; true
    // when the program may end (nothing unsaved is left unless the user chose
    // to leave without saving). Closes nothing.
    virtual bool QueryExit() = 0;
    // Closes every project group and its documents without asking again.
    virtual void CloseAllWithoutAsking() = 0;
};
