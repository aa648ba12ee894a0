#include "structure/TCodeBrowserController.h"

#include "commands/TActionRegistry.h"
#include "editor/TCodeEditor.h"
#include "php/TPHPSource.h"
#include "structure/TActiveCodeEditor.h"
#include "structure/TCodeBrowserPanel.h"
#include "structure/TCodeBrowserTreeBuilder.h"
#include "structure/TProcedureListWindow.h"

#include <Qsci/qsciscintilla.h>
#include <QDockWidget>

TCodeBrowserController::TCodeBrowserController(TVYRADocumentContainer &container, TCodeBrowserPanel &panel,
                                               QDockWidget &dock, std::function<TVYRADocument *()> activeDocument,
                                               std::function<void(bool)> jumpStarted)
    : m_container(container)
    , m_panel(panel)
    , m_dock(dock)
    , m_activeDocument(std::move(activeDocument))
    , m_jumpStarted(std::move(jumpStarted))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMilliseconds);
    connect(&m_pause, &QTimer::timeout, this, [this] { start(false); });
    connect(&m_thread, &TPHPSourceTreeThread::finished, this, &TCodeBrowserController::analysed);
    connect(&m_panel, &TCodeBrowserPanel::jumpRequested, this, &TCodeBrowserController::JumpTo);
    connect(&m_dock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            start(true);
    });
    m_panel.ShowMessage(TCodeBrowserTreeBuilder::NoElementsText);
}

TCodeBrowserController::~TCodeBrowserController()
{
    disconnect(m_loadConnection);
    delete m_list;
}

void TCodeBrowserController::Register(TActionRegistry &registry)
{
    registry.SetHandler(QStringLiteral("CodeBrowserUpdate"), [this] { Update(); });
    registry.SetHandler(QStringLiteral("CodeBrowserJumpToLine"), [this] { JumpToLine(); });
    registry.SetHandler(QStringLiteral("CodeBrowserShowProcedureList"), [this] { ShowProcedureList(); });
}

TCodeEditor *TCodeBrowserController::editor() const
{
    return EditableCodeEditor(m_container, m_activeDocument());
}

void TCodeBrowserController::Update()
{
    start(true);
}

void TCodeBrowserController::DocumentActivated(TVYRADocument *document)
{
    // A file loading into the editor is analysed again once its text is in.
    disconnect(m_loadConnection);
    if (TCodeEditor *code = editor())
        m_loadConnection = connect(code, &TCodeEditor::loadFinished, this, [this] { start(true); });
    if (document != m_thread.Document() || document != m_modelDocument)
        start(true);
}

void TCodeBrowserController::DocumentChanged(TVYRADocument *document)
{
    if (document == m_activeDocument())
        m_pause.start();
}

void TCodeBrowserController::DocumentClosing(TVYRADocument *document)
{
    if (document == m_thread.Document())
        m_thread.Cancel();
    if (document == m_modelDocument) {
        m_model.reset();
        m_modelDocument = nullptr;
        m_panel.ShowMessage(TCodeBrowserTreeBuilder::NoElementsText);
    }
    // The window activates the next document after the close is done.
    QTimer::singleShot(0, this, [this] { start(true); });
}

void TCodeBrowserController::start(bool force)
{
    m_pause.stop();
    TVYRADocument *document = m_activeDocument();
    TCodeEditor *code = editor();
    if (!code || !m_dock.isVisible()) {
        m_thread.Cancel();
        if (m_list)
            m_list->SetBusy(false);
        m_model.reset();
        m_modelDocument = nullptr;
        m_panel.ShowMessage(TCodeBrowserTreeBuilder::NoElementsText);
        return;
    }
    // A forced start for another document shows that the tree is being rebuilt.
    if (force && document != m_modelDocument)
        m_panel.ShowMessage(TCodeBrowserTreeBuilder::AnalysingText);
    m_thread.Start(document, code->text());
}

void TCodeBrowserController::analysed(TVYRADocument *document, const TPHPSourceTreeThread::TModel &model)
{
    if (document != m_activeDocument())
        return;
    m_model = model;
    m_modelDocument = document;
    if (m_list)
        m_list->SetBusy(false);
    m_panel.ShowNodes(TCodeBrowserTreeBuilder::Build(*model, model->SourceText));
    if (m_list && (m_listWaiting || m_list->isVisible())) {
        TProcedureListModel rows = m_list->Model();
        rows.Fill(*model);
        m_list->SetModel(rows);
        if (m_listWaiting)
            m_list->Open();
        m_listWaiting = false;
    }
}

void TCodeBrowserController::JumpToLine()
{
    const int offset = m_panel.CurrentOffset();
    if (offset >= 0)
        JumpTo(offset);
}

void TCodeBrowserController::JumpTo(int offset)
{
    TCodeEditor *code = editor();
    if (!code || offset < 0)
        return;
    if (m_jumpStarted)
        m_jumpStarted(true);
    code->setCaretOffset(qMin(offset, code->textLength()));
    if (auto *scintilla = code->findChild<QsciScintilla *>())
        scintilla->SendScintilla(QsciScintillaBase::SCI_VERTICALCENTRECARET);
    code->window()->activateWindow();
    code->setFocus();
    if (m_jumpStarted)
        m_jumpStarted(false);
}

void TCodeBrowserController::ShowProcedureList()
{
    if (!editor())
        return;
    if (!m_list) {
        m_list = new TProcedureListWindow(m_dock.window());
        connect(m_list, &TProcedureListWindow::entityChosen, this, &TCodeBrowserController::JumpTo);
        connect(m_list, &TProcedureListWindow::refreshRequested, this, [this] {
            m_list->SetBusy(true);
            m_listWaiting = true;
            start(false);
        });
    }
    // The rows of the newest model come at once; a newer text is analysed and refills them.
    if (m_model && m_modelDocument == m_activeDocument()) {
        TProcedureListModel rows = m_list->Model();
        rows.Fill(*m_model);
        m_list->SetModel(rows);
        m_list->Open();
    } else {
        m_list->SetModel(TProcedureListModel());
        m_listWaiting = true;
    }
    m_list->SetBusy(true);
    start(false);
}
