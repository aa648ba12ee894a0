#include "projectmanager/TToDoActions.h"

#include "commands/TActionRegistry.h"
#include "projectmanager/TToDoCommands.h"
#include "projectmanager/TToDoListView.h"
#include "projects/TTalvexStudioToDoEntry.h"

#include <QAction>
#include <QMenu>
#include <QTreeWidget>

TToDoActions::TToDoActions(TToDoListView &view, TToDoCommands &commands, const TActionRegistry *registry)
    : QObject(&view)
    , m_view(view)
    , m_commands(commands)
{
    add(QStringLiteral("ToDoAddEntry"), QStringLiteral("ToDo-Eintrag hinzufügen"),
        [this](TTalvexStudioProject &project) {
            TTalvexStudioToDoEntry *entry = m_commands.Add(project);
            if (entry) {
                m_view.Show(&project);
                m_view.SetCurrentEntry(entry);
            }
            return entry != nullptr;
        });
    add(QStringLiteral("ToDoRemoveEntry"), QStringLiteral("ToDo-Eintrag entfernen"),
        [this](TTalvexStudioProject &project) { return m_commands.Remove(project, m_view.CurrentEntry()); });
    QAction *done = add(QStringLiteral("ToDoToggleDoneStatus"), QStringLiteral("ToDo-Eintrag erledigt?"),
                        [this](TTalvexStudioProject &) { return m_commands.ToggleDone(m_view.CurrentEntry()); });
    done->setCheckable(true);
    add(QStringLiteral("ToDoEditEntry"), QStringLiteral("ToDo-Eintrag bearbeiten..."),
        [this](TTalvexStudioProject &project) { return m_commands.Edit(project, m_view.CurrentEntry()); });
    add(QStringLiteral("ToDoRemoveDoneEntries"), QStringLiteral("Erledigte ToDo-Einträge löschen"),
        [this](TTalvexStudioProject &project) { return m_commands.RemoveDone(project) > 0; });
    ApplyShortcuts(registry);
    connect(&m_view, &TToDoListView::currentEntryChanged, this, &TToDoActions::UpdateStates);
    connect(&m_view, &TToDoListView::entryActivated, this,
            [this] { Action(QStringLiteral("ToDoEditEntry"))->trigger(); });
    UpdateStates();
}

QAction *TToDoActions::add(const QString &name, const QString &caption,
                           std::function<bool(TTalvexStudioProject &)> run)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_view.Tree()->addAction(action);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        TTalvexStudioProject *project = m_view.Project();
        if (!project || !run(*project))
            return;
        m_view.Show(project);
        emit changed();
    });
    m_actions.append(action);
    return action;
}

void TToDoActions::ApplyShortcuts(const TActionRegistry *registry)
{
    for (QAction *action : m_actions) {
        const QAction *source = registry ? registry->Action(action->objectName()) : nullptr;
        action->setShortcut(source ? source->shortcut() : QKeySequence());
    }
}

void TToDoActions::UpdateStates()
{
    const bool project = m_view.Project() != nullptr;
    const TTalvexStudioToDoEntry *entry = m_view.CurrentEntry();
    for (QAction *action : m_actions) {
        const QString name = action->objectName();
        const bool needsEntry = name != QStringLiteral("ToDoAddEntry") && name != QStringLiteral("ToDoRemoveDoneEntries");
        action->setEnabled(project && (!needsEntry || entry));
    }
    Action(QStringLiteral("ToDoToggleDoneStatus"))->setChecked(entry && entry->IsDone());
}

void TToDoActions::Fill(QMenu &menu) const
{
    menu.addActions(m_actions);
}

QAction *TToDoActions::Action(const QString &name) const
{
    for (QAction *action : m_actions) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}
