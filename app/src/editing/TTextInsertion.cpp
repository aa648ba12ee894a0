#include "editing/TTextInsertion.h"

#include "editing/TBlockText.h"
#include "editing/TScintillaEditing.h"
#include "editor/TCodeEditor.h"
#include "facade/IEditorDocument.h"
#include "facade/TEditorControl.h"
#include "facade/TVYRAEditor.h"

namespace {

TCodeEditor *codeEditor(const TVYRAEditor &editor)
{
    IEditorDocument *document = editor.GetParent();
    return document && document->EditorMode() ? document->CodeEditor() : nullptr;
}

} // namespace

TTextInsertion::TTextInsertion(TVYRAEditor &editor)
    : m_editor(editor)
{
}

void TTextInsertion::Plain(const QString &text)
{
    TCodeEditor *code = codeEditor(m_editor);
    if (!code) {
        m_editor.InsertText(text, true);
        return;
    }
    // The code editor's own line break is the one its file is saved with.
    const QString marker = QString::fromLatin1(TVYRAEditor::CursorMarker);
    QString converted = TVYRAEditor::ConvertLineBreaks(text, TLineBreaks::Text(code->lineBreak()));
    const int markerPos = int(converted.indexOf(marker));
    converted.remove(marker);
    code->beginUndoGroup();
    const int start = code->selStart();
    code->replaceSelection(converted);
    code->setSelection(start + (markerPos >= 0 ? markerPos : int(converted.size())), 0);
    code->endUndoGroup();
    m_editor.GetParent()->Changed();
}

void TTextInsertion::Wrap(const QString &opening, const QString &closing)
{
    IEditorDocument *document = m_editor.GetParent();
    TEditorControl control(document);
    if (!control.IsValid())
        return;
    const QString selected = control.SelText();
    if (selected.isEmpty()) {
        m_editor.InsertTag(opening, closing);
        return;
    }
    // The selected text goes back exactly as it was: a "%cursor%" the user
    // wrote in it is text, not a caret mark.
    const QString marker = QString::fromLatin1(TVYRAEditor::CursorMarker);
    const QString lineBreak =
        control.IsCode() ? TLineBreaks::Text(control.Code()->lineBreak()) : QStringLiteral("\n");
    auto own = [&](QString text) { return TVYRAEditor::ConvertLineBreaks(text.remove(marker), lineBreak); };
    const QString text = own(opening) + selected + own(closing);
    control.BeginUpdate();
    const int start = control.SelStart();
    control.ReplaceSelection(text);
    control.SetSelection(start + int(text.size()), 0);
    control.EndUpdate();
    document->Changed();
}

void TTextInsertion::Replace(int start, int length, const QString &text)
{
    TEditorControl control(m_editor.GetParent());
    if (!control.IsValid())
        return;
    control.SetSelection(start, length);
    Plain(QString(text).remove(QString::fromLatin1(TVYRAEditor::CursorMarker)));
}

void TTextInsertion::Block(const QString &text)
{
    TCodeEditor *code = codeEditor(m_editor);
    if (!code || code->wordWrap()) {
        Plain(text);
        return;
    }
    TScintillaEditing(code).DropVirtualSpace();
    Plain(TBlockText::Indent(text, code->caretColumn()));
}

void TTextInsertion::BlockAtFilledCaret(const QString &text)
{
    TCodeEditor *code = codeEditor(m_editor);
    if (!code) {
        Plain(text);
        return;
    }
    code->beginUndoGroup();
    if (code->selLength() > 0)
        code->replaceSelection(QString());
    TScintillaEditing(code).FillVirtualSpace();
    code->endUndoGroup();
    Block(text);
}
