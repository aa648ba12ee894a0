#include "editorwindow/TSimpleEditorPage.h"

#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "facade/TVYRAEditor.h"
#include "highlighters/TIHighlighters.h"
#include "ui/TPrompter.h"

#include <QFileInfo>

TSimpleEditorPage::TSimpleEditorPage(const TVYRAEditorEnvironment &environment, QWidget *parent)
    : QStackedWidget(parent)
    , m_code(new TCodeEditor(this))
    , m_rich(new TRichEditor(this))
    , m_editor(std::make_unique<TVYRAEditor>(this, environment))
{
    addWidget(m_code);
    addWidget(m_rich);
    if (environment.highlighters)
        environment.highlighters->TrackEditor(m_code);
    connect(m_code, &TCodeEditor::textChanged, this, &TSimpleEditorPage::Changed);
    connect(m_rich, &TRichEditor::modificationChanged, this, &TSimpleEditorPage::modificationChanged);
}

TSimpleEditorPage::~TSimpleEditorPage() = default;

TEditorResult TSimpleEditorPage::open(const QString &fileName)
{
    m_editor->ApplyHighlighterByFile(fileName);
    // Files no registry knows, and types of the plain entry, show entry 0.
    if (!m_code->highlighter() && m_editor->GetHighlighters())
        m_editor->ApplyHighlighter(m_editor->GetHighlighters()->DefaultHighlighter());
    if (EditorMode())
        return m_code->openFile(fileName);
    m_plainText = QFileInfo(fileName).suffix().compare(QStringLiteral("rtf"), Qt::CaseInsensitive) != 0;
    m_rich->setPlainText(m_plainText);
    return m_rich->loadFromFile(fileName);
}

bool TSimpleEditorPage::EditorMode() const
{
    return currentWidget() == m_code;
}

void TSimpleEditorPage::SetEditorMode(bool codeEditor)
{
    setCurrentWidget(codeEditor ? static_cast<QWidget *>(m_code) : m_rich);
}

QString TSimpleEditorPage::LineBreak() const
{
    return TLineBreaks::Text(m_code->lineBreak());
}

void TSimpleEditorPage::Changed()
{
    emit modificationChanged(true);
}

TReplaceAction TSimpleEditorPage::AskReplace(const QString &found, const QString &replaceBy)
{
    const TPromptButton answer = TPrompter::instance().question(
        tr("„%1“ durch „%2“ ersetzen?").arg(found, replaceBy),
        TPromptButton::Yes | TPromptButton::No | TPromptButton::YesToAll | TPromptButton::Cancel);
    switch (answer) {
    case TPromptButton::Yes:
        return raReplace;
    case TPromptButton::No:
        return raSkip;
    case TPromptButton::YesToAll:
        return raReplaceAll;
    default:
        return raCancel;
    }
}
