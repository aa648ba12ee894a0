#include "editing/TEditingCommands.h"

#include "commands/TActionRegistry.h"
#include "editing/TLineCommands.h"
#include "editing/TScintillaEditing.h"
#include "editing/TTextInsertion.h"
#include "editor/TCodeEditor.h"
#include "facade/IEditorDocument.h"
#include "facade/TEditorControl.h"
#include "facade/TVYRAEditor.h"

#include <QAction>
#include <QLocale>

TEditingCommands::TEditingCommands(TActiveEditor activeEditor)
    : m_activeEditor(std::move(activeEditor))
    , m_tags(TTagInsertList::Standard())
{
}

void TEditingCommands::RegisterInsert(TActionRegistry &registry, const QString &action)
{
    registry.SetHandler(action, [this, action] { Insert(action); });
}

void TEditingCommands::Register(TActionRegistry &registry)
{
    for (QAction *action : registry.Actions()) {
        const QString name = action->objectName();
        if (m_tags.Find(name))
            RegisterInsert(registry, name);
    }
    auto wrap = [this](const QString &opening, const QString &closing) {
        if (const std::unique_ptr<TVYRAEditor> editor = m_activeEditor()) {
            TTextInsertion(*editor).Wrap(opening, closing);
            editor->SetFocus();
        }
    };
    registry.SetHandler(QStringLiteral("FormatHTMLStartTags"), [wrap] { wrap(QStringLiteral("<"), QStringLiteral(">")); });
    registry.SetHandler(QStringLiteral("FormatHTMLEndTags"), [wrap] { wrap(QStringLiteral("</"), QStringLiteral(">")); });

    registry.SetHandler(QStringLiteral("EditRemoveLine"), [this] { RemoveLine(); });
    registry.SetHandler(QStringLiteral("EditDuplicateLine"), [this] { DuplicateLine(); });
    registry.SetHandler(QStringLiteral("EditLineUp"), [this] { MoveLineUp(); });
    registry.SetHandler(QStringLiteral("EditLineDown"), [this] { MoveLineDown(); });
    registry.SetHandler(QStringLiteral("FormatTogglePHPComment"), [this] { TogglePhpComment(); });
    registry.SetHandler(QStringLiteral("EditUpperCase"), [this] { ChangeCase(true); });
    registry.SetHandler(QStringLiteral("EditLowerCase"), [this] { ChangeCase(false); });
    registry.SetHandler(QStringLiteral("FormatIncreaseIndent"), [this] { Indent(true); });
    registry.SetHandler(QStringLiteral("FormatDecreaseIndent"), [this] { Indent(false); });
    registry.SetHandler(QStringLiteral("FormatBreakLines"), [this] { ToggleWordWrap(); });
    const char *modes[] = {"FormatSelectTypeDefault", "FormatSelectTypeLine", "FormatSelectTypeColumn"};
    for (int mode = 0; mode < 3; ++mode)
        registry.SetHandler(QLatin1String(modes[mode]), [this, mode] { SetSelectionMode(mode); });
    for (int n = 0; n < TScintillaEditing::BookmarkCount; ++n) {
        registry.SetHandler(QStringLiteral("BookmarkGoto%1").arg(n), [this, n] { GotoBookmark(n); });
        registry.SetHandler(QStringLiteral("BookmarkSet%1").arg(n), [this, n] { SetBookmark(n); });
    }
}

void TEditingCommands::Insert(const QString &action)
{
    const TTagInsertList::TEntry *entry = m_tags.Find(action);
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!entry || !editor)
        return;
    if (entry->end)
        TTextInsertion(*editor).Wrap(entry->start, *entry->end);
    else
        TTextInsertion(*editor).Block(entry->start);
    editor->SetFocus();
}

TCodeEditor *TEditingCommands::activeCode() const
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    IEditorDocument *document = editor ? editor->GetParent() : nullptr;
    TCodeEditor *code = document && document->EditorMode() ? document->CodeEditor() : nullptr;
    return code && !code->isReadOnly() ? code : nullptr;
}

void TEditingCommands::apply(TCodeEditor &code, const TTextEdit &edit)
{
    code.beginUndoGroup();
    code.setSelection(edit.start, edit.length);
    code.replaceSelection(edit.text);
    code.setCaret(edit.caretLine + 1, edit.caretColumn + 1);
    code.endUndoGroup();
}

void TEditingCommands::lineCommand(TLineCommand command)
{
    TCodeEditor *code = activeCode();
    if (!code)
        return;
    const TLineCommands lines(code->text(), TLineBreaks::Text(code->lineBreak()));
    const int line = code->caretLine() - 1;
    const int column = code->caretColumn() - 1;
    std::optional<TTextEdit> edit;
    switch (command) {
    case TLineCommand::Remove:
        edit = lines.RemoveLine(line);
        break;
    case TLineCommand::Duplicate:
        edit = lines.DuplicateLine(line, column);
        break;
    case TLineCommand::Up:
        edit = lines.MoveLineUp(line, column);
        break;
    case TLineCommand::Down:
        edit = lines.MoveLineDown(line, column);
        break;
    case TLineCommand::Comment:
        edit = lines.TogglePhpComment(line, TScintillaEditing(code).AnchorLine(), column);
        break;
    }
    if (edit)
        apply(*code, *edit);
}

void TEditingCommands::RemoveLine() { lineCommand(TLineCommand::Remove); }
void TEditingCommands::DuplicateLine() { lineCommand(TLineCommand::Duplicate); }
void TEditingCommands::MoveLineUp() { lineCommand(TLineCommand::Up); }
void TEditingCommands::MoveLineDown() { lineCommand(TLineCommand::Down); }
void TEditingCommands::TogglePhpComment() { lineCommand(TLineCommand::Comment); }

void TEditingCommands::ChangeCase(bool upper)
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!editor)
        return;
    TEditorControl control(editor->GetParent());
    const QString selected = control.SelText();
    if (selected.isEmpty())
        return;
    const QLocale locale;
    const QString changed = upper ? locale.toUpper(selected) : locale.toLower(selected);
    const int start = control.SelStart();
    control.BeginUpdate();
    control.ReplaceSelection(changed);
    control.SetSelection(start, int(changed.size()));
    control.EndUpdate();
    editor->GetParent()->Changed();
}

void TEditingCommands::Indent(bool increase)
{
    if (TCodeEditor *code = activeCode()) {
        TScintillaEditing editing(code);
        increase ? editing.BlockIndent() : editing.BlockUnindent();
    }
}

void TEditingCommands::ToggleWordWrap()
{
    if (const std::unique_ptr<TVYRAEditor> editor = m_activeEditor())
        editor->SetWordWrap(!editor->GetWordWrap());
}

void TEditingCommands::SetSelectionMode(int mode)
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    IEditorDocument *document = editor ? editor->GetParent() : nullptr;
    if (document && document->EditorMode())
        TScintillaEditing(document->CodeEditor()).SetSelectionMode(TScintillaEditing::TSelectionMode(mode));
}

void TEditingCommands::SetBookmark(int n)
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    IEditorDocument *document = editor ? editor->GetParent() : nullptr;
    if (document && document->EditorMode())
        TScintillaEditing(document->CodeEditor()).SetBookmark(n);
}

void TEditingCommands::GotoBookmark(int n)
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    IEditorDocument *document = editor ? editor->GetParent() : nullptr;
    if (document && document->EditorMode())
        TScintillaEditing(document->CodeEditor()).GotoBookmark(n);
}
