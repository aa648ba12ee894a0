#pragma once

#include <QKeySequence>
#include <QString>
#include <vector>

class QWidget;
class QsciScintilla;
class TActionRegistry;

// QScintilla claims every key bound to one of its own commands before any
// shortcut sees it, so a menu shortcut on such a key never fires while an
// editor has the focus. This finds those keys and unbinds them in the editor
// where the menu command must win. A key whose command does the same as the
// editor's own (undo, redo, clipboard, select all, delete) stays with the
// editor.
struct TKeyCollision
{
    QKeySequence key;
    QString actionName;
    QString editorCommand; // QScintilla's description of its command
    bool sameMeaning = false;
};

class TEditorKeyCollisions
{
public:
    // Every registry shortcut the editor binds, in action-list order.
    static std::vector<TKeyCollision> Find(QsciScintilla &editor, const TActionRegistry &registry);
    // Unbinds the colliding keys of different meaning in the editor and in
    // every QScintilla inside the widget (a TCodeEditor); returns how many
    // bindings were removed. Each QScintilla has its own key bindings, so this
    // runs for every new editor and again after the shortcuts changed.
    static int Clear(QWidget &editor, const TActionRegistry &registry);
};
