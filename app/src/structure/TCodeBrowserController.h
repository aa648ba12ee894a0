#pragma once

#include "analysis/TPHPSourceTreeThread.h"
#include "commands/TCommandController.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QDockWidget;
class TCodeBrowserPanel;
class TCodeEditor;
#include "structure/TProcedureListWindow.h"
class TVYRADocument;
class TVYRADocumentContainer;

// Keeps the code browser tree and the procedure list on the PHP structure
// of the active document. The parse runs in the background on a copy of the
// text taken when it starts: at once when a document is activated or the
// update command is given, else after a short pause in typing. Only the
// newest result for a document still open reaches the views.
class TCodeBrowserController : public QObject, public TCommandController
{
    Q_OBJECT
public:
    // activeDocument: the window's active document; jumpStarted: called
    // with true before and false after the caret is moved to an entity.
    TCodeBrowserController(TVYRADocumentContainer &container, TCodeBrowserPanel &panel, QDockWidget &dock,
                           std::function<TVYRADocument *()> activeDocument,
                           std::function<void(bool)> jumpStarted = {});
    ~TCodeBrowserController() override;

    void Register(TActionRegistry &registry) override;

    // Starts the analysis of the active document now.
    void Update();
    void JumpToLine();
    void JumpTo(int offset);
    void ShowProcedureList();
    TProcedureListWindow *ProcedureList() const { return m_list; }
    TPHPSourceTreeThread &Thread() { return m_thread; }
    // The model shown, nullptr before the first result.
    const TPHPSource *Model() const { return m_model.get(); }

    void DocumentActivated(TVYRADocument *document);
    void DocumentChanged(TVYRADocument *document);
    void DocumentClosing(TVYRADocument *document);

    // The pause in typing after which the tree is brought up to date.
    static constexpr int PauseMilliseconds = 40;

private:
    void start(bool force);
    void analysed(TVYRADocument *document, const TPHPSourceTreeThread::TModel &model);
    TCodeEditor *editor() const;

    TVYRADocumentContainer &m_container;
    TCodeBrowserPanel &m_panel;
    QDockWidget &m_dock;
    std::function<TVYRADocument *()> m_activeDocument;
    std::function<void(bool)> m_jumpStarted;
    TPHPSourceTreeThread m_thread;
    QTimer m_pause;
    TPHPSourceTreeThread::TModel m_model;
    QPointer<TVYRADocument> m_modelDocument;
    QPointer<TProcedureListWindow> m_list;
    bool m_listWaiting = false;
    QMetaObject::Connection m_loadConnection;
};
