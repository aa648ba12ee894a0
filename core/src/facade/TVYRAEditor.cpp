#include "facade/TVYRAEditor.h"

#include "editor/TCodeEditor.h"
#include "editor/TLineBreaks.h"
#include "editor/TRichEditor.h"
#include "facade/IEditorDocument.h"
#include "facade/TEditorControl.h"
#include "facade/TEditorChoice.h"
#include "facade/TVYRATextAttributes.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"

#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

TVYRAEditor::TVYRAEditor(IEditorDocument *document, TVYRAEditorEnvironment environment)
    : m_document(document)
    , m_env(std::move(environment))
{
}

QString TVYRAEditor::ConvertLineBreaks(const QString &text, const QString &lineBreak)
{
    // The same conversion the code editor gives pasted and dropped text.
    return TLineBreaks::Convert(text, TLineBreaks::FromText(lineBreak));
}

QString TVYRAEditor::GetText() const
{
    return TEditorControl(m_document).Text();
}

void TVYRAEditor::SetText(const QString &Text)
{
    TEditorControl control(m_document);
    if (!control.IsValid())
        return;
    control.SetText(Text);
    m_document->Changed();
}

void TVYRAEditor::InsertText(const QString &Text, bool KeepCaretAfter)
{
    TEditorControl control(m_document);
    if (!control.IsValid())
        return;
    // The rich editor keeps paragraphs; only the code editor holds the
    // document's line breaks as text.
    const QString lineBreak = control.IsCode() ? m_document->LineBreak() : QStringLiteral("\n");
    QString text = ConvertLineBreaks(Text, lineBreak.isEmpty() ? QStringLiteral("\n") : lineBreak);
    const QString marker = QString::fromLatin1(CursorMarker);
    const int markerPos = int(text.indexOf(marker));
    text.remove(marker);

    control.BeginUpdate();
    const int start = control.SelStart();
    control.ReplaceSelection(text);
    int caret = start;
    if (markerPos >= 0)
        caret = start + markerPos;
    else if (KeepCaretAfter)
        caret = start + int(text.size());
    control.SetSelection(caret, 0);
    control.EndUpdate();
    m_document->Changed();
}

void TVYRAEditor::InsertTag(const QString &Before, const QString &After)
{
    InsertText(Before + QString::fromLatin1(CursorMarker) + After, true);
}

void TVYRAEditor::GotoLine(int Line)
{
    if (Line < 1)
        return;
    TEditorControl control(m_document);
    if (control.Code()) {
        control.Code()->gotoLine(Line);
    } else if (control.Rich()) {
        QTextEdit *edit = control.Rich()->textEdit();
        const QTextBlock block = edit->document()->findBlockByNumber(Line - 1);
        if (block.isValid()) {
            QTextCursor cursor(block);
            edit->setTextCursor(cursor);
        }
    }
}

void TVYRAEditor::BeginUpdate()
{
    TEditorControl(m_document).BeginUpdate();
}

void TVYRAEditor::EndUpdate()
{
    TEditorControl(m_document).EndUpdate();
}

QWidget *TVYRAEditor::GetHandle() const
{
    return TEditorControl(m_document).Widget();
}

bool TVYRAEditor::GetWordWrap() const
{
    TEditorControl control(m_document);
    if (control.Code())
        return control.Code()->wordWrap();
    if (control.Rich())
        return control.Rich()->textEdit()->lineWrapMode() != QTextEdit::NoWrap;
    return true;
}

void TVYRAEditor::SetWordWrap(bool on)
{
    TEditorControl control(m_document);
    if (control.Code())
        control.Code()->setWordWrap(on);
    else if (control.Rich())
        control.Rich()->textEdit()->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TVYRAEditor::CutToClipboard()
{
    TEditorControl control(m_document);
    if (control.Code())
        control.Code()->cut();
    else if (control.Rich())
        control.Rich()->textEdit()->cut();
}

void TVYRAEditor::CopyToClipboard()
{
    TEditorControl control(m_document);
    if (control.Code())
        control.Code()->copy();
    else if (control.Rich())
        control.Rich()->textEdit()->copy();
}

void TVYRAEditor::PasteFromClipboard()
{
    TEditorControl control(m_document);
    if (control.Code())
        control.Code()->paste();
    else if (control.Rich())
        control.Rich()->textEdit()->paste();
}

void TVYRAEditor::SelectAll()
{
    TEditorControl control(m_document);
    if (control.Code())
        control.Code()->selectAll();
    else if (control.Rich())
        control.Rich()->textEdit()->selectAll();
}

void TVYRAEditor::ClearSelection()
{
    TEditorControl(m_document).ReplaceSelection(QString());
}

void TVYRAEditor::Undo()
{
    TEditorControl control(m_document);
    if (control.Code())
        control.Code()->undo();
    else if (control.Rich())
        control.Rich()->textEdit()->undo();
}

void TVYRAEditor::Redo()
{
    TEditorControl control(m_document);
    if (control.Code())
        control.Code()->redo();
    else if (control.Rich())
        control.Rich()->textEdit()->redo();
}

bool TVYRAEditor::CanCopy() const
{
    return TEditorControl(m_document).SelLength() > 0;
}

bool TVYRAEditor::CanPaste() const
{
    TEditorControl control(m_document);
    if (control.Code())
        return control.Code()->canPaste();
    return control.Rich() && control.Rich()->textEdit()->canPaste();
}

bool TVYRAEditor::CanUndo() const
{
    TEditorControl control(m_document);
    if (control.Code())
        return control.Code()->canUndo();
    return control.Rich() && control.Rich()->textEdit()->document()->isUndoAvailable();
}

bool TVYRAEditor::CanRedo() const
{
    TEditorControl control(m_document);
    if (control.Code())
        return control.Code()->canRedo();
    return control.Rich() && control.Rich()->textEdit()->document()->isRedoAvailable();
}

bool TVYRAEditor::CanFormat() const
{
    return m_document && !m_document->EditorMode() && !m_document->IsPlainText();
}

bool TVYRAEditor::CanFocus() const
{
    QWidget *widget = GetHandle();
    return widget && widget->isEnabled() && widget->isVisible();
}

bool TVYRAEditor::IsFocused() const
{
    QWidget *widget = GetHandle();
    return widget && widget->hasFocus();
}

void TVYRAEditor::SetFocus()
{
    if (QWidget *widget = GetHandle())
        widget->setFocus();
}

QPoint TVYRAEditor::CaretPos() const
{
    TEditorControl control(m_document);
    if (control.Code())
        return {control.Code()->caretColumn(), control.Code()->caretLine()};
    if (control.Rich()) {
        const QTextCursor cursor = control.Rich()->textEdit()->textCursor();
        return {cursor.positionInBlock(), cursor.blockNumber()};
    }
    return {-1, -1};
}

std::unique_ptr<TVYRATextAttributes> TVYRAEditor::GetTextAttributes()
{
    return std::make_unique<TVYRATextAttributes>(this);
}

std::unique_ptr<TIHighlighter> TVYRAEditor::GetActiveHighlighter() const
{
    if (!m_env.highlighters || !m_env.highlighters->DefaultHighlighter())
        return nullptr;
    const TIHighlighter *found = nullptr;
    TEditorControl control(m_document);
    if (control.Code()) {
        for (int i = 0; i < m_env.highlighters->GetHighlighterCount() && !found; ++i) {
            const TIHighlighter *entry = m_env.highlighters->GetHighlighter(i);
            if (entry->EditorHighlighter() == control.Code()->highlighter())
                found = entry;
        }
    }
    return std::make_unique<TIHighlighter>(found ? *found : *m_env.highlighters->DefaultHighlighter());
}

const TIHighlighter *TVYRAEditor::registered(const TIHighlighter *entry) const
{
    if (!m_env.highlighters)
        return nullptr;
    const TIHighlighter *found = entry ? m_env.highlighters->GetHighlighter(m_env.highlighters->IndexOfEntry(*entry))
                                       : nullptr;
    return found ? found : m_env.highlighters->DefaultHighlighter();
}

const TIHighlighter *TVYRAEditor::resolve(const QString &name) const
{
    if (!m_env.highlighters)
        return nullptr;
    const TIHighlighter *found = m_env.highlighters->FindHighlighter(name);
    return found ? found : m_env.highlighters->DefaultHighlighter();
}

void TVYRAEditor::SetActiveHighlighter(const TIHighlighter *entry)
{
    if (!m_document || !m_document->HasCodeEditors())
        return;
    if (!m_document->EditorMode())
        m_document->SetEditorMode(true);
    ApplyHighlighter(entry);
}

void TVYRAEditor::SetActiveHighlighter(const QString &name)
{
    SetActiveHighlighter(resolve(name));
}

void TVYRAEditor::ApplyHighlighter(const TIHighlighter *entry)
{
    if (!m_document || !m_document->HasCodeEditors() || !m_document->CodeEditor())
        return;
    const TIHighlighter *target = registered(entry);
    if (!target)
        return;
    m_env.highlighters->LoadAttributes(*target, m_env.userHighlighterDir, m_env.highlighterDir);
    m_document->CodeEditor()->setHighlighter(target->EditorHighlighter());
    m_env.highlighters->TrackEditor(m_document->CodeEditor());
    HighlighterChanged();
}

void TVYRAEditor::ApplyHighlighter(const QString &name)
{
    ApplyHighlighter(resolve(name));
}

void TVYRAEditor::ApplyHighlighterByFile(const QString &FileName)
{
    if (!m_document || !m_document->HasCodeEditors())
        return;
    const std::optional<TEditorChoice> choice = ChooseEditorForFile(FileName, m_env);
    if (!choice)
        return;
    m_document->SetEditorMode(choice->editorMode);
    if (choice->fromOpenStandards)
        ApplyHighlighter(choice->highlighter);
    else if (choice->highlighter != m_env.highlighters->DefaultHighlighter())
        SetActiveHighlighter(choice->highlighter);
}

void TVYRAEditor::HighlighterChanged()
{
    if (m_document)
        m_document->HighlighterChanged();
}
