#include "editing/TEditorKeyHandler.h"

#include "editing/TClosingCharacters.h"
#include "editing/TScintillaEditing.h"
#include "editing/TSnippetLookup.h"
#include "editing/TTextInsertion.h"
#include "editor/TCodeEditor.h"
#include "facade/IEditorDocument.h"
#include "facade/TVYRAEditor.h"
#include "snippets/TSnippet.h"

#include <QKeyEvent>
#include <QVariant>

namespace {

const char *const AttachedProperty = "talvexKeyHandler";

} // namespace

TEditorKeyHandler::TEditorKeyHandler(TActiveEditor activeEditor, TSettings settings, QObject *parent)
    : QObject(parent)
    , m_activeEditor(std::move(activeEditor))
    , m_settings(std::move(settings))
{
}

void TEditorKeyHandler::Attach(TCodeEditor *editor)
{
    if (!editor || editor->property(AttachedProperty).toBool())
        return;
    editor->setProperty(AttachedProperty, true);
    TScintillaEditing(editor).EnableVirtualSpace();
    connect(editor, &TCodeEditor::keyDown, this, [this, editor](QKeyEvent *event) {
        if (KeyDown(*editor, *event))
            event->accept();
    });
    connect(editor, &TCodeEditor::statusChanged, this, [editor](unsigned changes) {
        TScintillaEditing editing(editor);
        if ((changes & scCaret) && editing.ErrorLine() >= 0 && editing.ErrorLine() != editor->caretLine() - 1)
            editing.ClearErrorLine();
    });
}

bool TEditorKeyHandler::KeyDown(TCodeEditor &editor, const QKeyEvent &key)
{
    if (editor.isReadOnly() || editor.isLoading())
        return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (key.key() == Qt::Key_Tab && key.modifiers() == Qt::NoModifier)
        return expandSnippet(editor);
    if (modifiers == Qt::NoModifier && key.text().size() == 1)
        return typedOpening(editor, key.text().at(0));
    return false;
}

bool TEditorKeyHandler::typedOpening(TCodeEditor &editor, QChar typed)
{
    const TClosingCharacters closing(m_settings.closingKinds ? m_settings.closingKinds() : TCharCompletionTypes());
    if (!closing.IsEnabled(typed))
        return false;
    const std::unique_ptr<TVYRAEditor> facade = m_activeEditor();
    if (!facade || !facade->GetParent() || facade->GetParent()->CodeEditor() != &editor)
        return false;
    // The partner goes in first with the caret before it; the control then
    // types the opening character itself, so the caret ends between the two.
    TTextInsertion(*facade).BlockAtFilledCaret(QString::fromLatin1(TVYRAEditor::CursorMarker) + closing.Closing(typed));
    return false;
}

bool TEditorKeyHandler::expandSnippet(TCodeEditor &editor)
{
    if (!m_settings.quickTemplates || !m_settings.quickTemplates() || !m_settings.snippets
        || editor.selLength() > 0)
        return false;
    const int line = editor.caretLine() - 1;
    const QString text = editor.lineText(line);
    int wordStart = 0;
    const QString word = TSnippetLookup::WordAt(text, editor.caretColumn() - 1, wordStart);
    const TSnippet *snippet = TSnippetLookup::Find(m_settings.snippets(), word);
    const std::unique_ptr<TVYRAEditor> facade = m_activeEditor();
    if (!snippet || !facade || !facade->GetParent() || facade->GetParent()->CodeEditor() != &editor)
        return false;
    editor.beginUndoGroup();
    editor.setCaret(line + 1, wordStart + 1);
    editor.setSelection(editor.caretOffset(), int(snippet->Shortcut.size()));
    editor.replaceSelection(QString());
    facade->InsertText(snippet->Code, true);
    editor.endUndoGroup();
    return true;
}
