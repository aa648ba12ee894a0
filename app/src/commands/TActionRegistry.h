#pragma once

#include "commands/TActionDefinition.h"
#include "commands/TShortcutCode.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class TCommandController;

// The one place that knows every command of the main window: named actions
// with category, caption, hint, shortcut and enabling rule. Controllers
// register handlers for the commands they implement; a command without one
// stays disabled and says in its hint which function is missing.
class TActionRegistry : public QObject
{
    Q_OBJECT
public:
    using THandler = std::function<void()>;

    explicit TActionRegistry(QObject *parent = nullptr);
    ~TActionRegistry() override;

    // Adds a command at the end of the action list; a name given twice throws
    // std::invalid_argument.
    QAction *Add(const TActionDefinition &definition);
    void AddAll(const std::vector<TActionDefinition> &definitions);

    QAction *Action(const QString &name) const;
    const TActionDefinition *Definition(const QString &name) const;
    // Every action in action-list order.
    QList<QAction *> Actions() const;

    // A controller's handler for a command; throws std::invalid_argument for
    // an unknown name, so that a misspelt registration fails at once.
    void SetHandler(const QString &name, THandler handler);
    bool HasHandler(const QString &name) const;
    // Lets the controller register its handlers.
    void Install(TCommandController &controller);

    // Evaluates every rule against one snapshot.
    void Update(const TWindowSnapshot &snapshot);

    // Shortcuts the user gave commands (action name -> stored code); names the
    // registry does not know are ignored, code 0 removes the shortcut.
    void ApplyShortcutCodes(const QHash<QString, quint16> &codes,
                            TKeyboardLayout layout = TKeyboardLayout::klGerman);
    void SetShortcut(const QString &name, const QKeySequence &shortcut);

    static QString MissingHint(const QString &function);

    // While it lives, added actions and changed shortcuts are announced once,
    // when it ends: listeners rebuild over every action, so one announcement
    // per action would make adding n actions cost n * n.
    class TBatch
    {
    public:
        explicit TBatch(TActionRegistry &registry);
        ~TBatch();
        TBatch(const TBatch &) = delete;
        TBatch &operator=(const TBatch &) = delete;

    private:
        TActionRegistry &m_registry;
    };

signals:
    // A shortcut changed or an action was added: the dispatcher rebuilds.
    void shortcutsChanged();

private:
    struct TEntry;
    TEntry *entry(const QString &name) const;
    void showHint(TEntry &entry);

    void announceShortcuts();

    std::vector<std::unique_ptr<TEntry>> m_entries;
    QHash<QString, TEntry *> m_byName;
    int m_batches = 0;
    bool m_pendingAnnouncement = false;
};
