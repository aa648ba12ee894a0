#pragma once

#include "commands/TShortcutCode.h"

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QSet>
#include <QString>
#include <vector>

class TActionRegistry;
class TTalvexStudioShortcutSettings;
class TVYRASettings;

// The shortcut manager without its window: one row per command with the
// shortcut it had when the manager opened and the one shown now. Nothing
// reaches the commands or the settings before Commit; the settings store
// the shortcuts as position codes of the keyboard layout given.
class TShortcutManagerModel
{
public:
    struct TRow {
        QString name;
        QString caption; // without "&"
        QString category;
        QString hint;
        QIcon icon;
        QKeySequence remembered;
        QKeySequence shown;
    };

    TShortcutManagerModel(TActionRegistry &registry, TVYRASettings &settings,
                          TKeyboardLayout layout = TKeyboardLayout::klGerman);

    static QString Caption();
    static QString NoSelectionHint();

    int Count() const { return int(m_rows.size()); }
    const TRow &Row(int index) const { return m_rows.at(size_t(index)); }
    int IndexOf(const QString &name) const;
    // The long hint: the text after "|", or the whole hint.
    static QString LongHint(const QString &hint);

    // "Änderung übernehmen": gives the row the key (its first chord only).
    // A key the stored code cannot hold is refused with a message; a key
    // another command carries is assigned only when the user agrees to the
    // warning, unless the two commands share it by design. True when the row
    // shows the key afterwards.
    bool Assign(int index, const QKeySequence &key);
    // "Tastenkürzel entfernen".
    void Remove(int index);
    // The first other command that shows this key and does not share it with
    // the row's command by design; -1 when none.
    int ConflictOf(int index, const QKeySequence &key) const;

    // OK: every command takes the shortcut of its row; each one that differs
    // from the remembered one is written to the custom shortcuts, and the
    // settings are saved. False (after telling the user) when saving failed.
    bool Commit();
    // Cancel: every command gets its remembered shortcut back.
    void Revert();
    // "Standards wiederherstellen": after the user agreed, empties the custom
    // shortcuts and saves; the running commands keep their shortcuts until
    // the next start. True when the dialog is to close as cancelled.
    bool RestoreDefaults();

private:
    bool sharedByDesign(const QString &first, const QString &second, const QKeySequence &key) const;
    TTalvexStudioShortcutSettings *customShortcuts() const;
    bool saveSettings() const;

    TActionRegistry &m_registry;
    TVYRASettings &m_settings;
    TKeyboardLayout m_layout;
    std::vector<TRow> m_rows;
    // Action names that carry the same default shortcut, keyed by that shortcut.
    QHash<QKeySequence, QSet<QString>> m_sharedDefaults;
};
