#pragma once

#include "commands/TCommandController.h"
#include "editing/TTagInsertList.h"
#include "mainwindow/TActiveEditor.h"

#include <optional>

class TCodeEditor;
struct TTextEdit;

// The commands that change the active document's text: the HTML tag
// inserts of the tag-insert list, line commands, the PHP comment toggle,
// case, indentation, word wrap, selection modes and bookmarks.
class TEditingCommands : public TCommandController
{
public:
    explicit TEditingCommands(TActiveEditor activeEditor);
    void Register(TActionRegistry &registry) override;

    TTagInsertList &TagInserts() { return m_tags; }
    // The generic insert: the action's entry enclosing the selection when it
    // has an end text, else inserted as a block; nothing without an entry.
    void Insert(const QString &action);
    // Registers the generic insert for an action added at run time.
    void RegisterInsert(TActionRegistry &registry, const QString &action);

    void RemoveLine();
    void DuplicateLine();
    void MoveLineUp();
    void MoveLineDown();
    void TogglePhpComment();
    void ChangeCase(bool upper);
    void Indent(bool increase);
    void ToggleWordWrap();
    void SetSelectionMode(int mode);
    void SetBookmark(int n);
    void GotoBookmark(int n);

private:
    enum class TLineCommand { Remove, Duplicate, Up, Down, Comment };
    void lineCommand(TLineCommand command);
    static void apply(TCodeEditor &code, const TTextEdit &edit);
    TCodeEditor *activeCode() const;

    TActiveEditor m_activeEditor;
    TTagInsertList m_tags;
};
