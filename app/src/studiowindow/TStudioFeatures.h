#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

class TAutoSaver;
class TDialogsFeature;
class TDocumentCommands;
class TEditingFeature;
class TExternalChangeCheck;
class TFileExplorerController;
class TFileExplorerPanel;
class THelpController;
class TJournalKeeper;
class TMainForm;
class TPHPCheckFeature;
class TPictureHandler;
class TPreviewFeature;
class TPrintFeature;
class TProjectFeature;
class TProjectManagerFeature;
class TPluginFeature;
class TFileDialogs;
class TRecentFilesMenu;
class TStructureFeature;
class TSearchFeature;
class TSettingsFeature;
class TTemplateMenu;
class TUpdateFeature;
class TVYRACore;
class TVYRADocument;

// Puts the studio's features into the main window: the document commands
// with the recent-file and template menus, the journal of unsaved texts and
// its recovery, automatic saving, the check for files changed by other
// programs, the file explorer panel, pictures and help. The window knows
// none of them; each hears the window's signals and registers its commands.
class TStudioFeatures : public QObject
{
    Q_OBJECT
public:
    // dialogs: the file dialogs of the document commands (not owned); none
    // gives the window's own QFileDialog-based ones.
    TStudioFeatures(TVYRACore &core, TMainForm &window, TFileDialogs *dialogs = nullptr);
    ~TStudioFeatures() override;

    // The first showing of the window: offers the texts of a crashed session,
    // reopens the previous run's files (unless reopenPrevious is false) and
    // opens the files of the command line as one batch.
    void FirstShow(const QStringList &files, bool reopenPrevious);

    TDocumentCommands &Documents() const { return *m_documents; }
    TJournalKeeper &Journal() const { return *m_journal; }
    TExternalChangeCheck &ChangeCheck() const { return *m_changes; }
    TFileExplorerPanel *FileExplorer() const { return m_explorer; }
    TEditingFeature &Editing() const { return *m_editing; }
    TPrintFeature &Printing() const { return *m_printing; }
    TSearchFeature *Search() const { return m_search; }
    TPHPCheckFeature &PHPCheck() const { return *m_phpCheck; }
    TPreviewFeature &Preview() const { return *m_preview; }
    TProjectFeature &Projects() const { return *m_projects; }
    TSettingsFeature &Settings() const { return *m_settings; }
    TDialogsFeature &Dialogs() const { return *m_dialogsFeature; }
    TProjectManagerFeature &ProjectManager() const { return *m_projectManager; }

private:
    void createDocumentCommands();
    void createMenus();
    void createRecovery();
    void createPanels();
    void hearWindow();
    void windowClosing();
    void checkActiveDocument(TVYRADocument *document);
    void refreshRecentMenu();

    TVYRACore &m_core;
    TMainForm &m_window;
    std::unique_ptr<TFileDialogs> m_ownDialogs;
    TFileDialogs *m_dialogs = nullptr;
    std::unique_ptr<TExternalChangeCheck> m_changes;
    std::unique_ptr<TDocumentCommands> m_documents;
    std::unique_ptr<TJournalKeeper> m_journal;
    std::unique_ptr<TAutoSaver> m_autoSaver;
    TRecentFilesMenu *m_recent = nullptr;
    TTemplateMenu *m_templates = nullptr;
    TFileExplorerPanel *m_explorer = nullptr;
    std::unique_ptr<TFileExplorerController> m_explorerCommands;
    std::unique_ptr<TPictureHandler> m_pictures;
    std::unique_ptr<THelpController> m_help;
    std::unique_ptr<TStructureFeature> m_structure;
    std::unique_ptr<TPrintFeature> m_printing;
    std::unique_ptr<TUpdateFeature> m_update;
    TSearchFeature *m_search = nullptr;
    std::unique_ptr<TPluginFeature> m_plugins;
    std::unique_ptr<TEditingFeature> m_editing;
    std::unique_ptr<TPHPCheckFeature> m_phpCheck;
    std::unique_ptr<TPreviewFeature> m_preview;
    std::unique_ptr<TProjectFeature> m_projects;
    std::unique_ptr<TSettingsFeature> m_settings;
    std::unique_ptr<TDialogsFeature> m_dialogsFeature;
    std::unique_ptr<TProjectManagerFeature> m_projectManager;
    bool m_checkingChange = false;
};
