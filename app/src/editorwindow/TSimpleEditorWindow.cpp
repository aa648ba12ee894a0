#include "editorwindow/TSimpleEditorWindow.h"

#include "editor/TCodeEditor.h"
#include "highlighter/THighlighterSet.h"
#include "ui/TPrompter.h"

#include <QFileInfo>
#include <QStatusBar>
#include <QTabWidget>

TSimpleEditorWindow::TSimpleEditorWindow(QWidget *parent)
    : QMainWindow(parent), m_highlighters(std::make_unique<THighlighterSet>()), m_tabs(new QTabWidget(this))
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
    // The editors refer to the highlighters: close them first.
    while (m_tabs->count() > 0)
        delete m_tabs->widget(0);
}

void TSimpleEditorWindow::openFiles(const QStringList &files)
{
    for (const QString &file : files)
        openFile(file);
}

void TSimpleEditorWindow::openFile(const QString &fileName)
{
    auto *editor = new TCodeEditor(m_tabs);
    editor->setHighlighter(m_highlighters->forExtension(QFileInfo(fileName).suffix()));
    connect(editor, &TCodeEditor::statusChanged, this, [this, editor] {
        if (m_tabs->currentWidget() == editor)
            statusBar()->showMessage(tr("Zeile %1, Spalte %2").arg(editor->caretLine()).arg(editor->caretColumn()));
    });
    const TEditorResult result = editor->openFile(fileName);
    if (!result.ok) {
        delete editor;
        TPrompter::instance().error(result.errorText);
        return;
    }
    // A read failure after the first slice leaves what was read in the tab.
    connect(editor, &TCodeEditor::loadFinished, this, [](bool ok, const QString &errorText) {
        if (!ok)
            TPrompter::instance().error(errorText);
    });
    m_tabs->setCurrentIndex(m_tabs->addTab(editor, QFileInfo(fileName).fileName()));
    m_tabs->setTabToolTip(m_tabs->currentIndex(), fileName);
}
