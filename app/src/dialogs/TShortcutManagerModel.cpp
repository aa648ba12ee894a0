#include "dialogs/TShortcutManagerModel.h"

#include "commands/TActionCatalogue.h"
#include "commands/TActionRegistry.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TTalvexStudioShortcutSettings.h"
#include "ui/TPrompter.h"

#include <QAction>
#include <QDir>

TShortcutManagerModel::TShortcutManagerModel(TActionRegistry &registry, TVYRASettings &settings,
                                             TKeyboardLayout layout)
    : m_registry(registry), m_settings(settings), m_layout(layout)
{
    for (QAction *action : registry.Actions()) {
        const TActionDefinition *definition = registry.Definition(action->objectName());
        TRow row;
        row.name = action->objectName();
        row.caption = action->text().remove(QLatin1Char('&'));
        row.category = definition ? definition->category : QString();
        row.hint = definition ? definition->hint : action->statusTip();
        row.icon = action->icon();
        row.remembered = action->shortcut();
        row.shown = row.remembered;
        m_rows.push_back(row);
    }
    QHash<QKeySequence, QSet<QString>> byKey;
    for (const TActionDefinition &definition : TActionCatalogue::Standard(layout))
        if (!definition.shortcut.isEmpty())
            byKey[definition.shortcut].insert(definition.name);
    for (auto it = byKey.constBegin(); it != byKey.constEnd(); ++it)
        if (it.value().size() > 1)
            m_sharedDefaults.insert(it.key(), it.value());
}

QString TShortcutManagerModel::Caption()
{
    return QStringLiteral("Talvex Studio - Shortcut Manager");
}

QString TShortcutManagerModel::NoSelectionHint()
{
    return QStringLiteral("Wählen Sie eine Aktion aus, um ihren Hinweistext anzuzeigen.");
}

int TShortcutManagerModel::IndexOf(const QString &name) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_rows[size_t(i)].name == name)
            return i;
    return -1;
}

QString TShortcutManagerModel::LongHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

bool TShortcutManagerModel::sharedByDesign(const QString &first, const QString &second,
                                           const QKeySequence &key) const
{
    const auto it = m_sharedDefaults.constFind(key);
    return it != m_sharedDefaults.constEnd() && it->contains(first) && it->contains(second);
}

int TShortcutManagerModel::ConflictOf(int index, const QKeySequence &key) const
{
    if (key.isEmpty())
        return -1;
    const QString &name = Row(index).name;
    for (int i = 0; i < Count(); ++i)
        if (i != index && m_rows[size_t(i)].shown == key && !sharedByDesign(name, m_rows[size_t(i)].name, key))
            return i;
    return -1;
}

bool TShortcutManagerModel::Assign(int index, const QKeySequence &key)
{
    if (index < 0 || index >= Count())
        return false;
    const QKeySequence chord = key.isEmpty() ? QKeySequence() : QKeySequence(key[0]);
    TRow &row = m_rows[size_t(index)];
    if (chord.isEmpty()) {
        row.shown = QKeySequence();
        return true;
    }
    const QString text = chord.toString(QKeySequence::NativeText);
    if (TShortcutCode::FromKeySequence(chord, m_layout) == 0) {
        TPrompter::instance().error(
            QStringLiteral("Das Tastenkürzel \"%1\" kann der Aktion \"%2\" nicht zugewiesen werden: Diese Taste "
                           "lässt sich in den Einstellungen nicht speichern. Bitte wählen Sie eine andere Taste.")
                .arg(text, row.caption));
        return false;
    }
    const int conflict = ConflictOf(index, chord);
    if (conflict >= 0
        && !TPrompter::instance().confirm(
            QStringLiteral("Das Tastenkürzel \"%1\" ist bereits der Aktion \"%2\" zugewiesen. Möchten Sie es "
                           "trotzdem auch der Aktion \"%3\" zuweisen? Es löst dann die erste verfügbare der beiden "
                           "Aktionen aus.")
                .arg(text, Row(conflict).caption, row.caption),
            QStringLiteral("Warnung"), TPromptButton::No))
        return false;
    row.shown = chord;
    return true;
}

void TShortcutManagerModel::Remove(int index)
{
    if (index >= 0 && index < Count())
        m_rows[size_t(index)].shown = QKeySequence();
}

TTalvexStudioShortcutSettings *TShortcutManagerModel::customShortcuts() const
{
    auto *studio = qobject_cast<TTalvexStudioSettings *>(&m_settings);
    return studio ? studio->CustomShortcuts() : nullptr;
}

bool TShortcutManagerModel::saveSettings() const
{
    if (m_settings.Save())
        return true;
    TPrompter::instance().error(
        QStringLiteral("Die Tastenkürzel konnten nicht in der Einstellungsdatei \"%1\" gespeichert werden.\n%2")
            .arg(QDir::toNativeSeparators(m_settings.fileName()), m_settings.LastSaveError()));
    return false;
}

bool TShortcutManagerModel::Commit()
{
    TActionRegistry::TBatch batch(m_registry);
    TTalvexStudioShortcutSettings *custom = customShortcuts();
    for (const TRow &row : m_rows) {
        m_registry.SetShortcut(row.name, row.shown);
        if (custom && row.shown != row.remembered)
            custom->SetSettingsItem(row.name, TShortcutCode::FromKeySequence(row.shown, m_layout));
    }
    return saveSettings();
}

void TShortcutManagerModel::Revert()
{
    TActionRegistry::TBatch batch(m_registry);
    for (TRow &row : m_rows) {
        m_registry.SetShortcut(row.name, row.remembered);
        row.shown = row.remembered;
    }
}

bool TShortcutManagerModel::RestoreDefaults()
{
    TPrompter &prompter = TPrompter::instance();
    if (!prompter.confirm(QStringLiteral("Achtung: Alle personalisierten Tastenkürzel werden in den "
                                         "Ursprungszustand zurückgesetzt. Wirklich fortfahren?")))
        return false;
    if (TTalvexStudioShortcutSettings *custom = customShortcuts())
        custom->Clear();
    if (!saveSettings())
        return false;
    prompter.information(QStringLiteral("Die Tastenkürzel wurden zurückgesetzt. \r\nDie Änderungen treten erst nach "
                                        "einem Neustart von Talvex Studio in Kraft und werden erst dann in diesem "
                                        "Dialog angezeigt."));
    Revert();
    return true;
}
