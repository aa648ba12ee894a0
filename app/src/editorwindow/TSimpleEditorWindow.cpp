#include "editorwindow/TSimpleEditorWindow.h"

#include "editor/TCodeEditor.h"
#include "completion/TCompletionBinding.h"
#include "editorwindow/TSimpleEditorPage.h"
#include "ui/TPrompter.h"

#include <QFileInfo>
#include <QStatusBar>
#include <QTabWidget>

TSimpleEditorWindow::TSimpleEditorWindow(TVYRAEditorEnvironment environment, TEditorCompletion completion,
                                         QWidget *parent)
    : QMainWindow(parent)
    , m_environment(std::move(environment))
    , m_completion(std::move(completion))
    , m_tabs(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("Talvex Studio"));
    m_tabs->setDocumentMode(true);
    m_tabs->setTabsClosable(true);
    connect(m_tabs, &QTabWidget::tabCloseRequested, this, [this](int index) {
        QWidget *page = m_tabs->widget(index);
        m_tabs->removeTab(index);
        delete page;
    });
    setCentralWidget(m_tabs);
    resize(1000, 700);
}

TSimpleEditorWindow::~TSimpleEditorWindow()
{
    // The editors refer to the registries' highlighters: close them first.
    while (m_tabs->count() > 0)
        delete m_tabs->widget(0);
}

TSimpleEditorPage *TSimpleEditorWindow::page(int index) const
{
    return qobject_cast<TSimpleEditorPage *>(m_tabs->widget(index));
}

void TSimpleEditorWindow::openFiles(const QStringList &files)
{
    for (const QString &file : files)
        openFile(file);
}

void TSimpleEditorWindow::openFile(const QString &fileName)
{
    auto *page = new TSimpleEditorPage(m_environment, m_tabs);
    TCodeEditor *code = page->CodeEditor();
    connect(code, &TCodeEditor::statusChanged, this, [this, page] { showCaret(page); });
    const TEditorResult result = page->open(fileName);
    if (!result.ok) {
        delete page;
        TPrompter::instance().error(result.errorText);
        return;
    }
    // A read failure after the first slice leaves what was read in the tab.
    connect(code, &TCodeEditor::loadFinished, this, [](bool ok, const QString &errorText) {
        if (!ok)
            TPrompter::instance().error(errorText);
    });
    bindCompletion(page);
    m_tabs->setCurrentIndex(m_tabs->addTab(page, QFileInfo(fileName).fileName()));
    m_tabs->setTabToolTip(m_tabs->currentIndex(), fileName);
}

void TSimpleEditorWindow::bindCompletion(TSimpleEditorPage *page)
{
    if (m_completion.service && m_environment.highlighters)
        new TCompletionBinding(page->CodeEditor(), *m_completion.service, *m_environment.highlighters,
                               m_completion.enabled);
}

void TSimpleEditorWindow::showCaret(TSimpleEditorPage *page)
{
    if (m_tabs->currentWidget() != page || !page->EditorMode())
        return;
    statusBar()->showMessage(
        tr("Zeile %1, Spalte %2").arg(page->CodeEditor()->caretLine()).arg(page->CodeEditor()->caretColumn()));
}
