#pragma once

#include "commands/TCommandController.h"

#include <QString>
#include <QUrl>
#include <functional>

class TFileExplorerPanel;
struct TWindowSnapshot;

// The commands of the file explorer panel: filter pair, the five views,
// moving to the active document's or project group's folder, and showing
// the selected folder in the desktop's file manager.
class TFileExplorerController : public TCommandController
{
public:
    using TPathSource = std::function<QString()>;
    using TUrlOpener = std::function<bool(const QUrl &)>;

    // activeFile: the active document's file name (empty without one);
    // activeGroupFolder: the file folder of the active project group (empty
    // without one); openUrl: starts the file manager (default: the desktop's).
    TFileExplorerController(TFileExplorerPanel &panel, TPathSource activeFile, TPathSource activeGroupFolder,
                            TUrlOpener openUrl = {});

    void Register(TActionRegistry &registry) override;
    // Sets explorerFolderSelected, explorerViewMode and explorerShowAllTypes.
    void FillSnapshot(TWindowSnapshot &snapshot) const;

    void GotoFileDir();
    void GotoProjectDir();
    // Opens the selected folder in the file manager; a failure is told the
    // user through the prompter, naming the folder.
    void OpenFolderInFileManager();

private:
    TFileExplorerPanel &m_panel;
    TPathSource m_activeFile;
    TPathSource m_activeGroupFolder;
    TUrlOpener m_openUrl;
};
