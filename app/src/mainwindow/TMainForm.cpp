#include "mainwindow/TMainForm.h"

#include "childwindow/TMDIChild.h"
#include "commands/TActionCatalogue.h"
#include "commands/TActionRegistry.h"
#include "commands/TCustomShortcuts.h"
#include "commands/TEditorKeyCollisions.h"
#include "commands/TMenuBuilder.h"
#include "commands/TShortcutDispatcher.h"
#include "commands/TStandardMenuLayout.h"
#include "completion/TCompletionBinding.h"
#include "container/TVYRAContainerPrompts.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/IDocumentOperations.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TBarToggles.h"
#include "mainwindow/TEditCommands.h"
#include "mainwindow/TFindNextCommand.h"
#include "mainwindow/TLayoutStore.h"
#include "mainwindow/TMainWindowSnapshot.h"
#include "mainwindow/TStatusTexts.h"
#include "mainwindow/TWindowCommands.h"
#include "mainwindow/TWindowListBar.h"
#include "mainwindow/TWindowListEntries.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"
#include "settings/TTalvexStudioDefaultEditor.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TTalvexStudioViewSettings.h"
#include "startup/TProgramEditorServices.h"
#include "ui/TPrompter.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextEdit>
#include <QToolBar>

const QString TMainForm::MainToolBarName = QStringLiteral("tbtMain");
const QString TMainForm::DocumentListName = QStringLiteral("tbtMdiWindowList");
const QString TMainForm::ProjectListName = QStringLiteral("tbtProjectList");

namespace {

const TTalvexStudioSettings *studioSettings(const TVYRACore &core)
{
    return dynamic_cast<const TTalvexStudioSettings *>(core.Settings());
}

} // namespace

TMainForm::TMainForm(TVYRACore &core, TEditorCompletion completion, QWidget *parent)
    : QMainWindow(parent)
    , m_core(core)
    , m_container(*core.Container())
    , m_completion(std::move(completion))
    , m_registry(new TActionRegistry(this))
    , m_mdiArea(new QMdiArea(this))
    , m_documentList(new TWindowListBar(DocumentListName, QStringLiteral("Dokumentliste"), this))
    , m_projectList(new TWindowListBar(ProjectListName, QStringLiteral("Projektliste"), this))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Talvex Studio"));
    setAcceptDrops(true);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    // Find next and the regular-expression search of the documents use the program's engine.
    m_container.SetEditorEnvironment(TProgramEditorServices::Environment(core));

    createCommands();
    createBars();
    createStatusBar();
    wireContainer();

    m_updateTimer.setSingleShot(true);
    m_updateTimer.setInterval(UpdateDelayMilliseconds);
    connect(&m_updateTimer, &QTimer::timeout, this, &TMainForm::UpdateNow);
    m_listsTimer.setSingleShot(true);
    m_listsTimer.setInterval(0);
    connect(&m_listsTimer, &QTimer::timeout, this, [this] {
        if (m_batchDepth == 0)
            ListsChanged();
    });
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::subWindowActivated);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::scheduleUpdate);

    resize(1000, 700);
    RestoreLayout();
    m_toggles->Sync();
    if (const TTalvexStudioSettings *settings = studioSettings(core); settings && settings->View()->StartMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    ListsChanged();
    UpdateNow();
}

TMainForm::~TMainForm()
{
    m_updateTimer.stop();
    m_listsTimer.stop();
    // Closing the document windows below and in QWidget's destructor reports
    // activations: nothing of this window may answer them any more.
    m_mdiArea->disconnect(this);
    m_documentList->disconnect(this);
    m_projectList->disconnect(this);
    QApplication::clipboard()->disconnect(this);
    unwireContainer();
    // The editor controls live in this window's document windows.
    m_container.CloseAllDocuments();
}

// ---------------------------------------------------------------------------
// Construction

void TMainForm::createCommands()
{
    m_registry->AddAll(TActionCatalogue::Standard());
    const TActiveEditor activeEditor = [this]() -> std::unique_ptr<TVYRAEditor> {
        const int index = m_container.GetActiveDocumentIndex();
        return index >= 0 ? m_container.GetEditor(index) : nullptr;
    };
    m_controllers.push_back(std::make_unique<TWindowCommands>(static_cast<IWindowArrangement &>(*this)));
    m_controllers.push_back(std::make_unique<TEditCommands>(activeEditor));
    m_controllers.push_back(std::make_unique<TFindNextCommand>(m_search, activeEditor));
    for (const auto &controller : m_controllers)
        m_registry->Install(*controller);

    TMenuBuilder::BuildMenuBar(*menuBar(), *m_registry, TStandardMenuLayout::MainMenu());
    // Filled with the recent files by the document commands.
    auto *recent = new QMenu(QStringLiteral("&Neu öffnen"), this);
    recent->setObjectName(QStringLiteral("mnuOpenNew"));
    m_registry->Action(QStringLiteral("FileOpenNew"))->setMenu(recent);

    if (const TTalvexStudioSettings *settings = studioSettings(m_core))
        TCustomShortcuts::Apply(*m_registry, *settings->CustomShortcuts());
    m_dispatcher = std::make_unique<TShortcutDispatcher>(*m_registry, *this);
    // QScintilla takes keys before any shortcut: changed shortcuts are taken from every editor again.
    connect(m_registry, &TActionRegistry::shortcutsChanged, this, [this] {
        for (auto it = m_children.constBegin(); it != m_children.constEnd(); ++it)
            if (TCodeEditor *code = m_container.GetSynEdit(documentIndex(it.key())))
                TEditorKeyCollisions::Clear(*code, *m_registry);
    });
}

void TMainForm::createBars()
{
    auto *mainBar = new QToolBar(QStringLiteral("Standard"), this);
    mainBar->setObjectName(MainToolBarName);
    TMenuBuilder::BuildToolBar(*mainBar, *m_registry, TStandardMenuLayout::MainToolBar());
    addToolBar(Qt::TopToolBarArea, mainBar);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_documentList);
    addToolBar(Qt::TopToolBarArea, m_projectList);

    m_toggles = std::make_unique<TBarToggles>(*m_registry, *Menu(QStringLiteral("mnuToolbars")));
    m_toggles->AddToolBar(*m_documentList);
    m_toggles->AddToolBar(*m_projectList);

    connect(m_documentList, &TWindowListBar::entryActivated, this,
            [this](int index) { showDocument(m_container.GetDocument(index)); });
    connect(m_documentList, &TWindowListBar::entryMiddleClicked, this, &TMainForm::closeListEntry);
    connect(m_projectList, &TWindowListBar::entryActivated, this, &TMainForm::scheduleUpdate);
    connect(m_projectList, &TWindowListBar::entryMiddleClicked, this, &TMainForm::closeProjectListEntry);
}

void TMainForm::createStatusBar()
{
    static const char *const names[] = {"pnlCaret", "pnlHint", "pnlModified", "pnlInsertMode"};
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(statusBar());
        panel->setObjectName(QLatin1String(names[i]));
        panel->setFixedWidth(TStatusTexts::PanelWidths[i]);
        statusBar()->addWidget(panel);
        m_panels.append(panel);
    }
}

// ---------------------------------------------------------------------------
// Public functions

void TMainForm::SetDocumentOperations(IDocumentOperations *operations)
{
    m_operations = operations;
}

TActionRegistry &TMainForm::Registry()
{
    return *m_registry;
}

TShortcutDispatcher &TMainForm::Dispatcher()
{
    return *m_dispatcher;
}

TVYRAProjectGroupItems *TMainForm::SelectedProjectGroup() const
{
    TVYRAProjectGroupList *groups = m_container.ProjectGroups();
    if (!groups)
        return nullptr;
    const int index = TWindowListEntries::SelectedGroup(groups->Count(), m_projectList->CurrentIndex());
    return index >= 0 ? groups->Items(index) : nullptr;
}

void TMainForm::SelectProjectGroup(TVYRAProjectGroupItems *group)
{
    const TVYRAProjectGroupList *groups = m_container.ProjectGroups();
    if (!groups || !group)
        return;
    for (int i = 0; i < groups->Count(); ++i) {
        if (groups->Items(i) == group) {
            m_projectList->SetCurrentIndex(i);
            scheduleUpdate();
            return;
        }
    }
}

void TMainForm::AddSnapshotContributor(std::function<void(TWindowSnapshot &)> contributor)
{
    m_snapshotContributors.push_back(std::move(contributor));
    scheduleUpdate();
}

TVYRADocument *TMainForm::ActiveDocument() const
{
    QMdiSubWindow *window = m_mdiArea->currentSubWindow();
    auto *child = window ? qobject_cast<TMDIChild *>(window->widget()) : nullptr;
    return child ? child->Document() : nullptr;
}

TMDIChild *TMainForm::ChildOf(TVYRADocument *document) const
{
    return m_children.value(document);
}

QMenu *TMainForm::Menu(const QString &objectName) const
{
    return findChild<QMenu *>(objectName);
}

QLabel *TMainForm::StatusPanel(int index) const
{
    return index >= 0 && index < m_panels.size() ? m_panels[index] : nullptr;
}

QDockWidget *TMainForm::AddQuickbarPage(const QString &name, const QString &caption, QWidget *page)
{
    auto *dock = new QDockWidget(caption, this);
    dock->setObjectName(name);
    dock->setWidget(page);
    // A page added after the layout was read takes its place from it.
    if (!restoreDockWidget(dock))
        addDockWidget(Qt::LeftDockWidgetArea, dock);
    m_toggles->AddQuickbarPage(*dock);
    scheduleUpdate();
    return dock;
}

void TMainForm::ListsChanged()
{
    m_listsTimer.stop();
    const bool tabIcons = [this] {
        const TTalvexStudioSettings *settings = studioSettings(m_core);
        return settings && settings->View()->Views.testFlag(StudioSettingsTypes::vcTabIcon);
    }();
    QList<TWindowListEntry> documents;
    for (int i = 0; i < m_container.GetDocumentCount(); ++i) {
        const TVYRADocument *document = m_container.GetDocument(i);
        documents.append(TWindowListEntries::Document(document->GetFileName(), document->GetFileExists(),
                                                      document->GetModified(), tabIcons));
    }
    m_documentList->SetEntries(documents);
    m_documentList->SetCurrentIndex(documentIndex(ActiveDocument()));

    QList<TWindowListEntry> groups;
    if (const TVYRAProjectGroupList *list = m_container.ProjectGroups()) {
        for (int i = 0; i < list->Count(); ++i) {
            const TVYRAProjectGroupItems *group = list->Items(i);
            groups.append(
                TWindowListEntries::ProjectGroup(group->ProjectName(), group->FileName(), group->Modified(), tabIcons));
        }
    }
    m_projectList->SetEntries(groups);
    scheduleUpdate();
    emit listsChanged();
}

void TMainForm::OpenFiles(const QStringList &fileNames)
{
    if (fileNames.isEmpty())
        return;
    ++m_batchDepth;
    if (m_operations) {
        m_operations->OpenFiles(fileNames);
    } else {
        for (const QString &fileName : fileNames)
            m_container.OpenDocument(fileName, SelectedProjectGroup());
    }
    --m_batchDepth;
    if (m_batchDepth == 0)
        ListsChanged();
}

void TMainForm::ReceiveHandOver(const QStringList &fileNames)
{
    OpenFiles(fileNames);
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

QString TMainForm::SaveLayout()
{
    return TLayoutStore(m_core.UserDataDir()).Save(saveState(LayoutVersion));
}

bool TMainForm::RestoreLayout()
{
    const QByteArray state = TLayoutStore(m_core.UserDataDir()).Load();
    return !state.isEmpty() && restoreState(state, LayoutVersion);
}

// ---------------------------------------------------------------------------
// Updates

void TMainForm::scheduleUpdate()
{
    m_updateTimer.start();
}

void TMainForm::scheduleLists()
{
    if (m_batchDepth == 0)
        m_listsTimer.start();
}

void TMainForm::UpdateNow()
{
    m_updateTimer.stop();
    TWindowFacts facts;
    facts.activeDocument = documentIndex(ActiveDocument());
    facts.childWindowCount = int(m_children.size());
    facts.selectedGroup = SelectedProjectGroup();
    facts.mainWindowActive = isActiveWindow() || QApplication::activeWindow() == nullptr;
    const QMimeData *clipboard = QApplication::clipboard()->mimeData();
    facts.clipboardHasText = clipboard && clipboard->hasText();
    facts.statusBarVisible = IsStatusBarVisible();
    TWindowSnapshot snapshot = TMainWindowSnapshot::Take(m_container, facts);
    for (const auto &contribute : m_snapshotContributors)
        contribute(snapshot);
    m_registry->Update(snapshot);
    updateStatus();
}

TStatusState TMainForm::statusState() const
{
    TStatusState state;
    TVYRADocument *document = ActiveDocument();
    const int index = documentIndex(document);
    if (index < 0)
        return state;
    state.hasDocument = true;
    state.modified = document->GetModified();
    if (TCodeEditor *code = m_container.GetSynEdit(index); code && document->EditorMode()) {
        state.line = code->caretLine();
        state.column = code->caretColumn();
        state.insertMode = code->insertMode();
    } else {
        const std::unique_ptr<TVYRAEditor> editor = m_container.GetEditor(index);
        // The rich editor counts from 0.
        state.line = editor->CaretY() + 1;
        state.column = editor->CaretX() + 1;
        if (TRichEditor *rich = m_container.GetRichEdit(index))
            state.insertMode = !rich->textEdit()->overwriteMode();
    }
    return state;
}

void TMainForm::updateStatus()
{
    const TStatusState state = statusState();
    const QString texts[] = {TStatusTexts::Caret(state), QString(), TStatusTexts::Modified(state),
                             TStatusTexts::Mode(state)};
    for (int i : {0, 2, 3})
        if (m_panels[i]->text() != texts[i])
            m_panels[i]->setText(texts[i]);
}

void TMainForm::updateDocumentEntry(TVYRADocument *document)
{
    const int index = documentIndex(document);
    const TTalvexStudioSettings *settings = studioSettings(m_core);
    const bool tabIcons = settings && settings->View()->Views.testFlag(StudioSettingsTypes::vcTabIcon);
    if (index >= 0 && index < m_documentList->Count())
        m_documentList->SetEntry(index, TWindowListEntries::Document(document->GetFileName(),
                                                                     document->GetFileExists(),
                                                                     document->GetModified(), tabIcons));
}

int TMainForm::documentIndex(TVYRADocument *document) const
{
    return document ? m_container.Documents().IndexOf(document) : -1;
}

// ---------------------------------------------------------------------------
// Document windows

void TMainForm::subWindowActivated(QMdiSubWindow *window)
{
    auto *child = window ? qobject_cast<TMDIChild *>(window->widget()) : nullptr;
    TVYRADocument *document = child ? child->Document() : nullptr;
    m_documentList->SetCurrentIndex(documentIndex(document));
    updateStatus();
    scheduleUpdate();
    if (document)
        emit documentActivated(document);
}

void TMainForm::showDocument(TVYRADocument *document)
{
    TMDIChild *child = ChildOf(document);
    if (!child)
        return;
    if (auto *window = qobject_cast<QMdiSubWindow *>(child->parentWidget()))
        m_mdiArea->setActiveSubWindow(window);
}

bool TMainForm::closeDocument(TVYRADocument *document)
{
    const int index = documentIndex(document);
    if (index < 0)
        return true;
    if (m_operations)
        return m_operations->CloseDocument(index);
    // Without the document commands nothing modified is closed: it could not be saved.
    if (document->GetModified())
        return false;
    m_container.CloseDocument(index);
    return documentIndex(document) < 0;
}

void TMainForm::closeListEntry(int index)
{
    if (m_closing)
        return;
    m_closing = true;
    if (TVYRADocument *document = m_container.GetDocument(index))
        closeDocument(document);
    m_closing = false;
    ListsChanged();
}

void TMainForm::closeProjectListEntry(int index)
{
    TVYRAProjectGroupList *groups = m_container.ProjectGroups();
    if (m_closing || !m_operations || !groups || index < 0 || index >= groups->Count())
        return;
    m_closing = true;
    m_operations->CloseProjectGroup(groups->Items(index));
    m_closing = false;
    ListsChanged();
}

QList<QMdiSubWindow *> TMainForm::visibleWindows() const
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList())
        if (!window->isHidden())
            windows.append(window);
    return windows;
}

// ---------------------------------------------------------------------------
// Container events

void TMainForm::wireContainer()
{
    m_core.HighlighterChangedHandlers().AddHandler(this, &TMainForm::highlighterChanged);
    TVYRAContainerPrompts::Install(m_container);
    TVYRAContainerEvents &events = m_container.Events();
    events.OnNewDocumentRequest = [this](QWidget *&parent) { newDocumentRequested(parent); };
    events.OnNewDocumentCreated = [this](TVYRADocument *document) { newDocumentCreated(document); };
    events.OnDocumentLoaded = [this](TVYRADocument *document, TVYRALoadResult result, const QString &) {
        documentLoaded(document, result == lrSuccess);
    };
    events.OnDocumentClosing = [this](TVYRADocument *document, TFileCloseOption, bool) {
        documentClosingEvent(document);
    };
    events.OnDocumentClosed = [this](TVYRADocumentContainer *) {
        scheduleLists();
        scheduleUpdate();
    };
    events.OnGetActiveDocumentIndex = [this](int &index) { index = documentIndex(ActiveDocument()); };
    events.OnGetActiveProjectIndex = [this](int &index) {
        const TVYRAProjectGroupList *groups = m_container.ProjectGroups();
        TVYRAProjectGroupItems *selected = SelectedProjectGroup();
        index = groups && selected ? groups->IndexOf(selected) : -1;
    };
    events.OnRequestDocumentShowing = [this](TVYRADocument *document) { showDocument(document); };
    events.OnChange = [this](TVYRADocument *document) { textChanged(document); };
    events.OnSynEdit_StatusChange = [this](TVYRADocument *document, unsigned) { statusChanged(document); };
    events.OnEvent = [this](const TVYRAEventInfo &info, bool &canContinue) { containerEvent(info, canContinue); };
    events.OnProjectClosing = [this](TVYRAProjectGroupItems *) { scheduleLists(); };
    events.OnProjectClosed = [this](TVYRADocumentContainer *) {
        scheduleLists();
        scheduleUpdate();
    };
}

void TMainForm::unwireContainer()
{
    m_core.HighlighterChangedHandlers().DeleteHandler(this, &TMainForm::highlighterChanged);
    TVYRAContainerEvents &events = m_container.Events();
    events.OnNewDocumentRequest = {};
    events.OnNewDocumentCreated = {};
    events.OnDocumentLoaded = {};
    events.OnDocumentClosing = {};
    events.OnDocumentClosed = {};
    events.OnGetActiveDocumentIndex = {};
    events.OnGetActiveProjectIndex = {};
    events.OnRequestDocumentShowing = {};
    events.OnChange = {};
    events.OnSynEdit_StatusChange = {};
    events.OnEvent = [container = &m_container](const TVYRAEventInfo &info, bool &canContinue) {
        TVYRAContainerPrompts::Answer(container, info, canContinue);
    };
    events.OnProjectClosing = {};
    events.OnProjectClosed = {};
}

void TMainForm::newDocumentRequested(QWidget *&parent)
{
    auto *child = new TMDIChild;
    child->SetCloseRequest([this](TVYRADocument *document) { return closeDocument(document); });
    QMdiSubWindow *window = m_mdiArea->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showMaximized();
    parent = child->EditorHost();
    // The container may still refuse the document: a window left without one goes.
    QPointer<TMDIChild> guard = child;
    QTimer::singleShot(0, this, [this, guard] {
        if (guard && !guard->Document())
            guard->parentWidget()->deleteLater();
    });
}

void TMainForm::newDocumentCreated(TVYRADocument *document)
{
    TMDIChild *child = nullptr;
    for (QWidget *widget = document->Parent(); widget && !child; widget = widget->parentWidget())
        child = qobject_cast<TMDIChild *>(widget);
    if (!child)
        return;
    m_children.insert(document, child);
    child->Bind(document, &m_container);
    const int index = documentIndex(document);
    if (TCodeEditor *code = m_container.GetSynEdit(index)) {
        TEditorKeyCollisions::Clear(*code, *m_registry);
        if (m_completion.service && m_core.Highlighters()) {
            TCompletionBinding::EnabledRule enabled = m_completion.enabled;
            new TCompletionBinding(code, *m_completion.service, *m_core.Highlighters(),
                                   enabled ? enabled : [] { return true; });
        }
    }
    if (const TTalvexStudioSettings *settings = studioSettings(m_core); settings && settings->DefaultEditor())
        m_container.GetEditor(index)->SetWordWrap(settings->DefaultEditor()->WordWrap);
    // Installed after the container's own filter, so it sees the drops first.
    for (QWidget *widget : child->EditorHost()->findChildren<QWidget *>())
        widget->installEventFilter(this);
    showDocument(document);
    scheduleLists();
    scheduleUpdate();
}

void TMainForm::highlighterChanged(QObject *sender)
{
    // From the event loop: the change may come from the child's own drop-down, which is still reacting.
    QPointer<TMDIChild> child = ChildOf(dynamic_cast<TVYRADocument *>(sender));
    if (child)
        QMetaObject::invokeMethod(this, [child] {
            if (child)
                child->UpdateHighlighterList();
        }, Qt::QueuedConnection);
}

void TMainForm::documentLoaded(TVYRADocument *document, bool ok)
{
    if (TMDIChild *child = ChildOf(document); child && ok) {
        child->Refresh();
        child->UpdateHighlighterList();
        emit documentOpened(document);
    }
    scheduleLists();
    scheduleUpdate();
}

void TMainForm::documentClosingEvent(TVYRADocument *document)
{
    emit documentClosing(document);
    const QPointer<TMDIChild> child = m_children.take(document);
    if (!child)
        return;
    child->Release();
    auto *window = qobject_cast<QMdiSubWindow *>(child->parentWidget());
    if (!window)
        return;
    // The window may be the one whose close box led here: it goes from the event loop.
    window->hide();
    window->deleteLater();
    if (m_mdiArea->currentSubWindow() == window || !m_mdiArea->currentSubWindow()) {
        const QList<QMdiSubWindow *> others = visibleWindows();
        if (!others.isEmpty())
            m_mdiArea->setActiveSubWindow(others.last());
    }
    scheduleLists();
    scheduleUpdate();
}

void TMainForm::textChanged(TVYRADocument *document)
{
    m_search.MarkRestart();
    updateDocumentEntry(document);
    if (document == ActiveDocument())
        updateStatus();
    scheduleUpdate();
    emit documentChanged(document);
}

void TMainForm::statusChanged(TVYRADocument *document)
{
    if (document != ActiveDocument())
        return;
    updateStatus();
    scheduleUpdate();
}

void TMainForm::containerEvent(const TVYRAEventInfo &info, bool &canContinue)
{
    TVYRAContainerPrompts::Answer(&m_container, info, canContinue);
    if (info.type != etEventNotification || info.event != evFileSaved)
        return;
    auto *document = dynamic_cast<TVYRADocument *>(info.sender);
    if (TMDIChild *child = ChildOf(document)) {
        child->Refresh();
        updateDocumentEntry(document);
        emit documentSaved(document);
    }
    scheduleLists();
    scheduleUpdate();
}

// ---------------------------------------------------------------------------
// Window commands

void TMainForm::CascadeWindows()
{
    m_mdiArea->cascadeSubWindows();
}

void TMainForm::tileWindows(Qt::Orientation stacking)
{
    const QList<QMdiSubWindow *> windows = visibleWindows();
    if (windows.isEmpty())
        return;
    const QRect area = m_mdiArea->viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        windows[i]->showNormal();
        if (stacking == Qt::Vertical)
            windows[i]->setGeometry(0, i * (area.height() / count), area.width(), area.height() / count);
        else
            windows[i]->setGeometry(i * (area.width() / count), 0, area.width() / count, area.height());
    }
}

void TMainForm::TileWindowsHorizontally()
{
    // Horizontal tiles: full width, one below the other.
    tileWindows(Qt::Vertical);
}

void TMainForm::TileWindowsVertically()
{
    tileWindows(Qt::Horizontal);
}

void TMainForm::MinimizeAllWindows()
{
    for (QMdiSubWindow *window : visibleWindows())
        window->showMinimized();
}

void TMainForm::ArrangeMinimizedWindows()
{
    int left = 0;
    const int bottom = m_mdiArea->viewport()->height();
    for (QMdiSubWindow *window : visibleWindows()) {
        if (!window->isMinimized())
            continue;
        window->move(left, bottom - window->height());
        left += window->width();
    }
}

bool TMainForm::IsStatusBarVisible() const
{
    return !statusBar()->isHidden();
}

void TMainForm::SetStatusBarVisible(bool visible)
{
    statusBar()->setVisible(visible);
    scheduleUpdate();
}

// ---------------------------------------------------------------------------
// Events of the window

bool TMainForm::event(QEvent *event)
{
    // The hint of the command under the mouse goes to its own panel.
    if (event->type() == QEvent::StatusTip && m_panels.size() > 1) {
        m_panels[1]->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    // Coming back from another program counts as activating the document in front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_closing) {
        if (TVYRADocument *document = ActiveDocument())
            emit documentActivated(document);
    }
    return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->ignore();
        return;
    }
    m_closing = true;
    bool mayExit = true;
    if (m_operations) {
        mayExit = m_operations->QueryExit();
    } else {
        // Without the document commands nothing modified can be saved: it stays open.
        for (int i = 0; i < m_container.GetDocumentCount() && mayExit; ++i)
            mayExit = !m_container.GetDocument(i)->GetModified();
    }
    if (!mayExit) {
        m_closing = false;
        event->ignore();
        return;
    }
    const QString layoutError = SaveLayout();
    if (!layoutError.isEmpty())
        TPrompter::instance().error(layoutError);
    if (TVYRASettings *settings = m_core.Settings(); settings && !settings->Save())
        TPrompter::instance().error(settings->LastSaveError());
    emit closeConfirmed();
    if (m_operations)
        m_operations->CloseAllWithoutAsking();
    else
        m_container.CloseAllDocuments();
    m_closing = false;
    event->accept();
}

QStringList TMainForm::droppedFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty())
            files.append(path);
    }
    return files;
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    OpenFiles(files);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QMainWindow::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList files = droppedFiles(drop->mimeData());
    if (files.isEmpty())
        return QMainWindow::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        // From the event loop: the editor that took the drop may close meanwhile.
        QMetaObject::invokeMethod(this, [this, files] { OpenFiles(files); }, Qt::QueuedConnection);
    return true;
}
