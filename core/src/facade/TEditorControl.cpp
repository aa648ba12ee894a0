#include "facade/TEditorControl.h"

#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "facade/IEditorDocument.h"

#include <QTextCursor>
#include <QTextEdit>

TEditorControl::TEditorControl(const IEditorDocument *document)
{
    if (!document)
        return;
    if (document->EditorMode())
        m_code = document->CodeEditor();
    else
        m_rich = document->RichEditor();
}

QWidget *TEditorControl::Widget() const
{
    if (m_code)
        return m_code;
    return m_rich;
}

QString TEditorControl::Text() const
{
    if (m_code)
        return m_code->text();
    return m_rich ? m_rich->text() : QString();
}

void TEditorControl::SetText(const QString &text)
{
    if (m_code)
        m_code->setText(text);
    else if (m_rich)
        m_rich->setText(text);
}

int TEditorControl::SelStart() const
{
    if (m_code)
        return m_code->selStart();
    return m_rich ? m_rich->selStart() : -1;
}

int TEditorControl::SelLength() const
{
    if (m_code)
        return m_code->selLength();
    return m_rich ? m_rich->selLength() : -1;
}

QString TEditorControl::SelText() const
{
    if (m_code)
        return m_code->selectedText();
    return m_rich ? m_rich->selectedText() : QString();
}

void TEditorControl::SetSelection(int start, int length)
{
    if (m_code)
        m_code->setSelection(start, length);
    else if (m_rich)
        m_rich->setSelection(start, length);
}

void TEditorControl::ReplaceSelection(const QString &text)
{
    if (m_code) {
        m_code->replaceSelection(text);
    } else if (m_rich) {
        QTextCursor cursor = m_rich->textEdit()->textCursor();
        cursor.insertText(text);
        m_rich->textEdit()->setTextCursor(cursor);
    }
}

void TEditorControl::BeginUpdate()
{
    if (QWidget *widget = Widget())
        widget->setUpdatesEnabled(false);
    if (m_code)
        m_code->beginUndoGroup();
}

void TEditorControl::EndUpdate()
{
    if (m_code)
        m_code->endUndoGroup();
    if (QWidget *widget = Widget())
        widget->setUpdatesEnabled(true);
}
