#include "studiowindow/TStudioFeatures.h"

#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "dialogs/TDialogsFeature.h"
#include "documents/TDocumentCommands.h"
#include "documents/TQtFileDialogs.h"
#include "documents/TRecentFilesMenu.h"
#include "documents/TReloadFile.h"
#include "documents/TTemplateMenu.h"
#include "documents/TVYRADocument.h"
#include "editing/TEditingFeature.h"
#include "framework/TVYRACore.h"
#include "help/THelpController.h"
#include "help/THelpFile.h"
#include "mainwindow/TMainForm.h"
#include "panels/TFileExplorerController.h"
#include "panels/TFileExplorerPanel.h"
#include "panels/TPictureHandler.h"
#include "phpcheck/TPHPCheckFeature.h"
#include "printing/TPrintFeature.h"
#include "projects/TProjectCommands.h"
#include "projects/TProjectFeature.h"
#include "projectmanager/TProjectManagerFeature.h"
#include "plugins/TPluginFeature.h"
#include "preview/TPreviewFeature.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "recovery/TAutoSaver.h"
#include "recovery/TDocumentJournal.h"
#include "recovery/TExternalChangeCheck.h"
#include "recovery/TJournalKeeper.h"
#include "recovery/TRecoveryOffer.h"
#include "search/TSearchFeature.h"
#include "settings/TSettingsFeature.h"
#include "settings/TTalvexStudioSettings.h"
#include "structure/TStructureFeature.h"
#include "snippets/TVYRAMRUList.h"
#include "ui/TPrompter.h"
#include "update/TUpdateFeature.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

TTalvexStudioSettings *studioSettings(const TVYRACore &core)
{
    return qobject_cast<TTalvexStudioSettings *>(core.Settings());
}

} // namespace

TStudioFeatures::TStudioFeatures(TVYRACore &core, TMainForm &window, TFileDialogs *dialogs)
    : QObject(&window)
    , m_core(core)
    , m_window(window)
    , m_dialogs(dialogs)
{
    createDocumentCommands();
    createMenus();
    createRecovery();
    createPanels();
    m_editing = std::make_unique<TEditingFeature>(m_core, m_window);
    hearWindow();
    m_search = new TSearchFeature(m_core, m_window);
    m_plugins = std::make_unique<TPluginFeature>(m_core, m_window);
    m_phpCheck = std::make_unique<TPHPCheckFeature>(m_core, m_window);
    m_preview = std::make_unique<TPreviewFeature>(m_core, m_window, *m_phpCheck);
    m_projects = std::make_unique<TProjectFeature>(m_core, m_window, *m_documents, *m_dialogs);
    m_settings = std::make_unique<TSettingsFeature>(m_core, m_window);
    m_dialogsFeature = std::make_unique<TDialogsFeature>(m_core, m_window);
    m_projects->Commands().SetPropertiesViewer(
        [this](TVYRADocument *document) { m_dialogsFeature->ShowProperties(document); });
    m_projectManager = std::make_unique<TProjectManagerFeature>(m_core, m_window, *m_documents, *m_dialogs);
    m_window.ListsChanged();
}

TStudioFeatures::~TStudioFeatures()
{
    m_window.SetDocumentOperations(nullptr);
}

void TStudioFeatures::createDocumentCommands()
{
    TVYRADocumentContainer &container = *m_core.Container();
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<TQtFileDialogs>(&m_window);
        m_dialogs = m_ownDialogs.get();
    }
    m_changes = std::make_unique<TExternalChangeCheck>(container, TPrompter::instance());

    TDocumentCommandsHost host;
    host.dialogParent = &m_window;
    host.selectedProjectGroup = [this] { return m_window.SelectedProjectGroup(); };
    host.listsChanged = [this] { m_window.ListsChanged(); };
    host.closeMainWindow = [this] { m_window.close(); };
    host.beforeSave = [this](TVYRADocument *document) { return m_changes->ConfirmSave(document); };
    // Paints between the files of a batch; typing waits until the batch is in.
    host.processEvents = [] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    host.terminating = [] { return QCoreApplication::closingDown(); };
    m_documents = std::make_unique<TDocumentCommands>(m_core, *m_dialogs, std::move(host));
    m_window.Registry().Install(*m_documents);
    m_window.SetDocumentOperations(m_documents.get());
}

void TStudioFeatures::createMenus()
{
    if (TVYRAMRUList *recentFiles = m_core.RecentFiles())
        m_recent = new TRecentFilesMenu(*recentFiles, *m_documents, this);
    m_templates = new TTemplateMenu(m_core, *m_documents, this);
    // The templates are read again each time the menu opens.
    if (QMenu *newMenu = m_window.Menu(QStringLiteral("mnuNew")))
        connect(newMenu, &QMenu::aboutToShow, this, [this, newMenu] { m_templates->Fill(newMenu); });
    connect(&m_window, &TMainForm::listsChanged, this, &TStudioFeatures::refreshRecentMenu);
    // By key or from a tool bar the command drops its submenu down where the mouse is.
    m_window.Registry().SetHandler(QStringLiteral("FileOpenNew"), [this] {
        if (QMenu *menu = m_window.Menu(QStringLiteral("mnuOpenNew")); menu && !menu->isEmpty())
            menu->popup(QCursor::pos());
    });
}

void TStudioFeatures::refreshRecentMenu()
{
    QMenu *menu = m_window.Menu(QStringLiteral("mnuOpenNew"));
    if (!m_recent || !menu)
        return;
    m_recent->Fill(menu);
    const bool any = !menu->actions().isEmpty();
    if (QAction *openNew = m_window.Registry().Action(QStringLiteral("FileOpenNew")))
        openNew->setVisible(any);
    // The Open button of the tool bar drops the same list down while there is one.
    QAction *open = m_window.Registry().Action(QStringLiteral("FileOpen"));
    for (QToolBar *bar : m_window.findChildren<QToolBar *>()) {
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(open))) {
            button->setMenu(any ? menu : nullptr);
            button->setPopupMode(any ? QToolButton::MenuButtonPopup : QToolButton::DelayedPopup);
        }
    }
}

void TStudioFeatures::createRecovery()
{
    TVYRADocumentContainer &container = *m_core.Container();
    m_journal = std::make_unique<TJournalKeeper>(container,
                                                 std::make_unique<TDocumentJournal>(m_core.UserDataDir()));
    connect(m_journal.get(), &TJournalKeeper::writeFailed, this,
            [](const QString &text) { TPrompter::instance().warning(text); });
    if (TVYRAAutoSave *settings = m_core.Settings() ? m_core.Settings()->AutoSave() : nullptr) {
        m_autoSaver = std::make_unique<TAutoSaver>(container, *settings, TPrompter::instance(),
                                                   [this](int index) { return m_documents->Save(index); });
        m_autoSaver->ApplySettings();
    }
}

void TStudioFeatures::createPanels()
{
    TTalvexStudioSettings *settings = studioSettings(m_core);
    m_explorer = new TFileExplorerPanel(m_core.Extensions(), m_documents.get(),
                                        settings ? settings->Docks()->FileExplorerSettings() : nullptr);
    m_window.AddQuickbarPage(QStringLiteral("FileExplorer"), QStringLiteral("Dateiexplorer"), m_explorer);
    auto activeFile = [this] {
        const TVYRADocument *document = m_window.ActiveDocument();
        return document && document->GetFileExists() ? document->GetFileName() : QString();
    };
    auto activeGroupFolder = [this] {
        const TVYRAProjectGroupItems *group = m_window.SelectedProjectGroup();
        return group ? group->FileFolder() : QString();
    };
    m_explorerCommands = std::make_unique<TFileExplorerController>(*m_explorer, activeFile, activeGroupFolder);
    m_window.Registry().Install(*m_explorerCommands);
    m_window.AddSnapshotContributor([this](TWindowSnapshot &snapshot) { m_explorerCommands->FillSnapshot(snapshot); });
    connect(m_explorer, &TFileExplorerPanel::stateChanged, &m_window, &TMainForm::UpdateNow);

    m_pictures = std::make_unique<TPictureHandler>(
        m_core.Container()->FileTypeHandlers(), [this] { return m_window.SelectedProjectGroup(); },
        [this] { m_window.ListsChanged(); });
    m_help = std::make_unique<THelpController>(THelpFile::Locate(m_core.GetAppDataDir(), m_core.GetAppDir()),
                                               &m_window);
    m_window.Registry().Install(*m_help);
    m_structure = std::make_unique<TStructureFeature>(m_core, m_window);
    m_printing = std::make_unique<TPrintFeature>(m_core, m_window);
    m_update = std::make_unique<TUpdateFeature>(m_core, m_window);
}

void TStudioFeatures::hearWindow()
{
    connect(&m_window, &TMainForm::documentChanged, this,
            [this](TVYRADocument *document) { m_journal->DocumentChanged(document); });
    connect(&m_window, &TMainForm::documentSaved, this, [this](TVYRADocument *document) {
        m_journal->DocumentSaved(document);
        m_changes->Remember(document);
    });
    connect(&m_window, &TMainForm::documentOpened, this,
            [this](TVYRADocument *document) { m_changes->Remember(document); });
    connect(&m_window, &TMainForm::documentClosing, this, [this](TVYRADocument *document) {
        m_journal->DocumentClosed(document);
        m_changes->Forget(document);
    });
    // Asked after the activation is done, not in the middle of it.
    connect(&m_window, &TMainForm::documentActivated, this, [this](TVYRADocument *document) {
        QTimer::singleShot(0, this, [this, document] {
            // Looked up again: the document may have been closed meanwhile.
            if (m_core.Container()->Documents().IndexOf(document) >= 0)
                checkActiveDocument(document);
        });
    });
    connect(&m_window, &TMainForm::closeConfirmed, this, &TStudioFeatures::windowClosing);
}

void TStudioFeatures::checkActiveDocument(TVYRADocument *document)
{
    // The question itself moves the focus and would activate the window again.
    if (m_checkingChange || document != m_window.ActiveDocument())
        return;
    m_checkingChange = true;
    switch (m_changes->CheckOnActivate(document)) {
    case TExternalChangeCheck::TResult::Reloaded:
        m_journal->DocumentSaved(document);
        m_window.ListsChanged();
        break;
    case TExternalChangeCheck::TResult::Kept:
    case TExternalChangeCheck::TResult::Deleted:
        m_journal->DocumentChanged(document);
        m_window.ListsChanged();
        break;
    default:
        break;
    }
    m_checkingChange = false;
}

void TStudioFeatures::windowClosing()
{
    const TTalvexStudioSettings *settings = studioSettings(m_core);
    const TReloadFile reload(TReloadFile::InUserDataDir(m_core.UserDataDir()));
    if (settings && settings->View()->ReLoadDocsOnStartUp) {
        const TOperationResult written = reload.Write(*m_core.Container());
        if (!written.ok)
            TPrompter::instance().error(written.errorText);
    } else {
        // A list left from a time when reopening was on would reopen stale files at every start.
        QFile::remove(reload.FileName());
    }
}

void TStudioFeatures::FirstShow(const QStringList &files, bool reopenPrevious)
{
    TRecoveryOffer(*m_journal, TPrompter::instance()).Run();
    if (reopenPrevious) {
        const TReloadFile reload(TReloadFile::InUserDataDir(m_core.UserDataDir()));
        const TReloadFile::TApplyResult result =
            reload.Apply(*m_documents, *m_core.Container(), [this](TVYRAProjectGroupItems *group) {
                m_window.SelectProjectGroup(group);
            });
        if (!result.read.ok)
            TPrompter::instance().warning(result.read.errorText);
    }
    if (!files.isEmpty())
        m_documents->OpenFiles(files);
    // What the start opened into the default group is no change of the user's.
    TVYRADocumentContainer &container = *m_core.Container();
    if (container.IsDefaultGroupCreated())
        container.GetDefaultGroup()->SetModified(false);
    m_window.ListsChanged();
    // Restored texts changed what the commands may do without an event of their own.
    m_window.UpdateNow();
}
