#include "commands/TActionRegistry.h"

#include "commands/TCommandController.h"

#include <QAction>
#include <stdexcept>
#include <utility>

struct TActionRegistry::TEntry
{
    TActionDefinition definition;
    QAction *action = nullptr;
    THandler handler;
};

TActionRegistry::TActionRegistry(QObject *parent) : QObject(parent) {}

TActionRegistry::~TActionRegistry() = default;

QString TActionRegistry::MissingHint(const QString &function)
{
    return QStringLiteral("Noch nicht verfügbar: %1").arg(function);
}

QAction *TActionRegistry::Add(const TActionDefinition &definition)
{
    if (definition.name.isEmpty() || m_byName.contains(definition.name))
        throw std::invalid_argument("action name empty or given twice: " + definition.name.toStdString());
    auto entry = std::make_unique<TEntry>();
    entry->definition = definition;
    auto *action = new QAction(definition.caption, this);
    action->setObjectName(definition.name);
    action->setShortcut(definition.shortcut);
    action->setCheckable(bool(definition.checked));
    action->setEnabled(false);
    if (definition.hideWhenDisabled)
        action->setVisible(false);
    entry->action = action;
    TEntry *raw = entry.get();
    connect(action, &QAction::triggered, this, [raw] {
        if (raw->handler && raw->action->isEnabled())
            raw->handler();
    });
    showHint(*raw);
    m_byName.insert(definition.name, raw);
    m_entries.push_back(std::move(entry));
    announceShortcuts();
    return action;
}

void TActionRegistry::AddAll(const std::vector<TActionDefinition> &definitions)
{
    TBatch batch(*this);
    for (const TActionDefinition &definition : definitions)
        Add(definition);
}

void TActionRegistry::announceShortcuts()
{
    if (m_batches > 0)
        m_pendingAnnouncement = true;
    else
        emit shortcutsChanged();
}

TActionRegistry::TBatch::TBatch(TActionRegistry &registry)
    : m_registry(registry)
{
    ++m_registry.m_batches;
}

TActionRegistry::TBatch::~TBatch()
{
    if (--m_registry.m_batches == 0 && std::exchange(m_registry.m_pendingAnnouncement, false))
        emit m_registry.shortcutsChanged();
}

TActionRegistry::TEntry *TActionRegistry::entry(const QString &name) const
{
    return m_byName.value(name, nullptr);
}

QAction *TActionRegistry::Action(const QString &name) const
{
    TEntry *found = entry(name);
    return found ? found->action : nullptr;
}

const TActionDefinition *TActionRegistry::Definition(const QString &name) const
{
    TEntry *found = entry(name);
    return found ? &found->definition : nullptr;
}

QList<QAction *> TActionRegistry::Actions() const
{
    QList<QAction *> actions;
    actions.reserve(qsizetype(m_entries.size()));
    for (const auto &e : m_entries)
        actions.append(e->action);
    return actions;
}

void TActionRegistry::SetHandler(const QString &name, THandler handler)
{
    TEntry *found = entry(name);
    if (!found)
        throw std::invalid_argument("no action named " + name.toStdString());
    found->handler = std::move(handler);
    showHint(*found);
}

bool TActionRegistry::HasHandler(const QString &name) const
{
    TEntry *found = entry(name);
    return found && bool(found->handler);
}

void TActionRegistry::Install(TCommandController &controller)
{
    controller.Register(*this);
}

void TActionRegistry::showHint(TEntry &e)
{
    const QString hint = e.handler ? e.definition.hint : MissingHint(e.definition.missing);
    e.action->setStatusTip(hint);
    e.action->setToolTip(hint);
}

void TActionRegistry::Update(const TWindowSnapshot &snapshot)
{
    for (const auto &e : m_entries) {
        const bool allowed = e->definition.enabled ? e->definition.enabled(snapshot) : true;
        e->action->setEnabled(allowed && bool(e->handler));
        if (e->definition.hideWhenDisabled)
            e->action->setVisible(allowed);
        if (e->definition.checked)
            e->action->setChecked(e->definition.checked(snapshot));
    }
}

void TActionRegistry::SetShortcut(const QString &name, const QKeySequence &shortcut)
{
    if (TEntry *found = entry(name)) {
        found->action->setShortcut(shortcut);
        announceShortcuts();
    }
}

void TActionRegistry::ApplyShortcutCodes(const QHash<QString, quint16> &codes, TKeyboardLayout layout)
{
    for (auto it = codes.constBegin(); it != codes.constEnd(); ++it)
        if (TEntry *found = entry(it.key()))
            found->action->setShortcut(TShortcutCode::ToKeySequence(it.value(), layout));
    announceShortcuts();
}
