#include "commands/TShortcutDispatcher.h"

#include "commands/TActionRegistry.h"

#include <QAction>
#include <QShortcut>
#include <QWidget>

TShortcutDispatcher::TShortcutDispatcher(TActionRegistry &registry, QWidget &window)
    : QObject(&window), m_registry(registry), m_window(window)
{
    connect(&registry, &TActionRegistry::shortcutsChanged, this, &TShortcutDispatcher::Rebuild);
    Rebuild();
}

TShortcutDispatcher::~TShortcutDispatcher()
{
    for (const QMetaObject::Connection &c : std::as_const(m_connections))
        disconnect(c);
}

void TShortcutDispatcher::Rebuild()
{
    for (const QMetaObject::Connection &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    qDeleteAll(m_shortcuts);
    m_shortcuts.clear();
    m_actions.clear();

    QList<QKeySequence> order;
    for (QAction *action : m_registry.Actions()) {
        const QKeySequence key = action->shortcut();
        if (key.isEmpty())
            continue;
        // Shown in the menu, fired only by a focused menu; the window's key
        // belongs to the dispatcher.
        action->setShortcutContext(Qt::WidgetShortcut);
        if (!m_actions.contains(key))
            order.append(key);
        m_actions[key].append(action);
        m_connections.append(connect(action, &QAction::changed, this, [this, action, key] {
            // A shortcut set on the action itself moves its key as well.
            if (action->shortcut() != key)
                Rebuild();
            else
                refreshKey(key);
        }));
    }
    for (const QKeySequence &key : std::as_const(order)) {
        auto *shortcut = new QShortcut(key, &m_window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key] { Dispatch(key); });
        m_shortcuts.insert(key, shortcut);
        refreshKey(key);
    }
}

void TShortcutDispatcher::refreshKey(const QKeySequence &key)
{
    QShortcut *shortcut = m_shortcuts.value(key);
    if (!shortcut)
        return;
    bool any = false;
    for (const QPointer<QAction> &action : m_actions.value(key))
        any = any || (action && action->isEnabled() && action->isVisible());
    // A key no enabled action wants goes on to the focused widget.
    shortcut->setEnabled(any);
}

bool TShortcutDispatcher::Dispatch(const QKeySequence &key)
{
    for (const QPointer<QAction> &action : m_actions.value(key)) {
        if (action && action->isEnabled() && action->isVisible()) {
            action->trigger();
            return true;
        }
    }
    return false;
}

QList<QAction *> TShortcutDispatcher::ActionsFor(const QKeySequence &key) const
{
    QList<QAction *> actions;
    for (const QPointer<QAction> &action : m_actions.value(key))
        if (action)
            actions.append(action);
    return actions;
}

QList<QKeySequence> TShortcutDispatcher::Keys() const
{
    return m_shortcuts.keys();
}

QShortcut *TShortcutDispatcher::ShortcutFor(const QKeySequence &key) const
{
    return m_shortcuts.value(key);
}
