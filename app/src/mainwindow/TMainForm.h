#pragma once

#include "completion/TEditorCompletion.h"
#include "mainwindow/IWindowArrangement.h"
#include "mainwindow/TSearchState.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class IDocumentOperations;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMimeData;
class TActionRegistry;
class TBarToggles;
class TCommandController;
class TMDIChild;
class TShortcutDispatcher;
class TVYRACore;
class TVYRADocument;
class TVYRADocumentContainer;
class TVYRAProjectGroupItems;
class TWindowListBar;
struct TStatusState;
struct TWindowSnapshot;
struct TVYRAEventInfo;

// The editor's main window: menus and tool bars built from the action
// registry, one document window per document in the document area, the
// document and project lists, the quick-bar docks and the status bar. It
// owns no document: the core's container reports every change through its
// events, which this window answers and passes on as signals.
class TMainForm : public QMainWindow, private IWindowArrangement
{
    Q_OBJECT
public:
    // Main tool bar, document list and project list.
    static const QString MainToolBarName;
    static const QString DocumentListName;
    static const QString ProjectListName;
    // The version the saved window layout is written with.
    static constexpr int LayoutVersion = 1;

    explicit TMainForm(TVYRACore &core, TEditorCompletion completion = {}, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The document commands (opening, the close handshake, exit); not owned.
    void SetDocumentOperations(IDocumentOperations *operations);
    TActionRegistry &Registry();
    TShortcutDispatcher &Dispatcher();
    TSearchState &SearchState() { return m_search; }
    TVYRACore &Core() const { return m_core; }

    // None with no project group, the only one with one, else the current
    // entry of "Projektliste".
    TVYRAProjectGroupItems *SelectedProjectGroup() const;
    // Makes group the current entry of "Projektliste".
    void SelectProjectGroup(TVYRAProjectGroupItems *group);
    TVYRADocument *ActiveDocument() const;
    // Features add their part of the state the enabling rules are evaluated on.
    void AddSnapshotContributor(std::function<void(TWindowSnapshot &)> contributor);
    // Rebuilds the document and project lists now and emits listsChanged().
    void ListsChanged();
    QMdiArea *MdiArea() const { return m_mdiArea; }
    TMDIChild *ChildOf(TVYRADocument *document) const;
    // A menu of the menu bar by object name ("mnuFile", "FileOpenNew" for the
    // recent-file submenu, "mnuToolbars"), nullptr for none.
    QMenu *Menu(const QString &objectName) const;
    TWindowListBar *DocumentList() const { return m_documentList; }
    TWindowListBar *ProjectList() const { return m_projectList; }
    // Panel 0 caret, 1 hint, 2 modified, 3 insert mode.
    QLabel *StatusPanel(int index) const;
    // A side panel in a dock of its own, with its show/hide command.
    QDockWidget *AddQuickbarPage(const QString &name, const QString &caption, QWidget *page);

    // Opens the files in order as one batch; the lists are rebuilt once.
    void OpenFiles(const QStringList &fileNames);
    // Files a second start handed over: opens them and brings the window to the front.
    void ReceiveHandOver(const QStringList &fileNames);
    // The tool-bar and dock layout in "layout.dat" of the user data folder.
    QString SaveLayout();
    bool RestoreLayout();
    // Evaluates the enabling rules and the status bar now instead of after
    // the short pause that gathers changes.
    void UpdateNow();

    // The pause that gathers state changes before the rules are evaluated.
    static constexpr int UpdateDelayMilliseconds = 60;

signals:
    void documentChanged(TVYRADocument *document);
    void documentSaved(TVYRADocument *document);
    void documentClosing(TVYRADocument *document);
    void documentActivated(TVYRADocument *document);
    void documentOpened(TVYRADocument *document);
    void listsChanged();
    // The user confirmed the end and the layout is stored; the documents are still open.
    void closeConfirmed();

protected:
    bool event(QEvent *event) override;
    // Files dropped on an editor open like files dropped on the window,
    // instead of their names going into the text.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // IWindowArrangement
    void CascadeWindows() override;
    void TileWindowsHorizontally() override;
    void TileWindowsVertically() override;
    void MinimizeAllWindows() override;
    void ArrangeMinimizedWindows() override;
    bool IsStatusBarVisible() const override;
    void SetStatusBarVisible(bool visible) override;

    void createCommands();
    void createBars();
    void createStatusBar();
    void wireContainer();
    void unwireContainer();

    // Container events
    void newDocumentRequested(QWidget *&parent);
    void newDocumentCreated(TVYRADocument *document);
    void documentLoaded(TVYRADocument *document, bool ok);
    // A document's highlighter changed, through the drop-down, the facade or a plug-in.
    void highlighterChanged(QObject *sender);
    void documentClosingEvent(TVYRADocument *document);
    void textChanged(TVYRADocument *document);
    void statusChanged(TVYRADocument *document);
    void containerEvent(const TVYRAEventInfo &info, bool &canContinue);
    void showDocument(TVYRADocument *document);
    static QStringList droppedFiles(const QMimeData *data);

    void subWindowActivated(QMdiSubWindow *window);
    bool closeDocument(TVYRADocument *document);
    void closeListEntry(int index);
    void closeProjectListEntry(int index);
    void scheduleUpdate();
    void scheduleLists();
    void updateStatus();
    void updateDocumentEntry(TVYRADocument *document);
    TStatusState statusState() const;
    int documentIndex(TVYRADocument *document) const;
    QList<QMdiSubWindow *> visibleWindows() const;
    // Vertical: one below the other; horizontal: side by side.
    void tileWindows(Qt::Orientation stacking);

    TVYRACore &m_core;
    TVYRADocumentContainer &m_container;
    const TEditorCompletion m_completion;
    IDocumentOperations *m_operations = nullptr;
    TActionRegistry *const m_registry;
    QMdiArea *const m_mdiArea;
    TWindowListBar *const m_documentList;
    TWindowListBar *const m_projectList;
    std::unique_ptr<TShortcutDispatcher> m_dispatcher;
    std::unique_ptr<TBarToggles> m_toggles;
    std::vector<std::unique_ptr<TCommandController>> m_controllers;
    QHash<TVYRADocument *, QPointer<TMDIChild>> m_children;
    QList<QLabel *> m_panels;
    std::vector<std::function<void(TWindowSnapshot &)>> m_snapshotContributors;
    TSearchState m_search;
    QTimer m_updateTimer;
    QTimer m_listsTimer;
    int m_batchDepth = 0;
    bool m_closing = false;
};
