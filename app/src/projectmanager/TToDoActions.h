#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class TActionRegistry;
class TToDoCommands;
class TToDoListView;
class TTalvexStudioProject;

// The context menu of a ToDo list view: add, remove, done (checked while
// the focused entry is done), edit, and remove the done entries. Each item
// takes the shortcut the user gave the main-window action of the same name.
class TToDoActions : public QObject
{
    Q_OBJECT
public:
    TToDoActions(TToDoListView &view, TToDoCommands &commands, const TActionRegistry *registry);

    // Takes the shortcuts of the main-window actions again.
    void ApplyShortcuts(const TActionRegistry *registry);
    // Enabled and checked states for the view's project and focused entry.
    void UpdateStates();
    void Fill(QMenu &menu) const;
    // "ToDoAddEntry", "ToDoRemoveEntry", "ToDoToggleDoneStatus", "ToDoEditEntry", "ToDoRemoveDoneEntries".
    QAction *Action(const QString &name) const;

signals:
    // The list changed through one of the actions.
    void changed();

private:
    QAction *add(const QString &name, const QString &caption, std::function<bool(TTalvexStudioProject &)> run);

    TToDoListView &m_view;
    TToDoCommands &m_commands;
    QList<QAction *> m_actions;
};
