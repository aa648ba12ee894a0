#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QShortcut;
class QWidget;
class TActionRegistry;

// Owns the keys of the registry's shortcuts. Qt fires neither of two
// enabled actions that share a key; here one QShortcut per key on the main
// window fires the first enabled action with that key in action-list order.
// The actions keep their shortcut so that menus show it, but only in the
// context of the widgets they are shown in, so Qt never sees two of them
// competing for the window.
class TShortcutDispatcher : public QObject
{
    Q_OBJECT
public:
    TShortcutDispatcher(TActionRegistry &registry, QWidget &window);
    ~TShortcutDispatcher() override;

    // Fires the first enabled action with this key; false when none is.
    bool Dispatch(const QKeySequence &key);
    // The actions bound to a key, in action-list order.
    QList<QAction *> ActionsFor(const QKeySequence &key) const;
    QList<QKeySequence> Keys() const;
    QShortcut *ShortcutFor(const QKeySequence &key) const;

    // Picks up changed shortcuts (done on the registry's signal).
    void Rebuild();

private:
    void refreshKey(const QKeySequence &key);

    TActionRegistry &m_registry;
    QWidget &m_window;
    QHash<QKeySequence, QShortcut *> m_shortcuts;
    QHash<QKeySequence, QList<QPointer<QAction>>> m_actions;
    QList<QMetaObject::Connection> m_connections;
};
