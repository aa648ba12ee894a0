#pragma once

#include "dialogs/TShortcutManagerModel.h"

#include <QDialog>

class QKeySequenceEdit;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The shortcut manager: every command with its shortcut, category and image
// in a list that sorts by column, the hint of the selected one, a hot-key
// field with "Änderung übernehmen" and "Tastenkürzel entfernen", and
// "Standards wiederherstellen". OK stores what changed; Cancel restores.
class TShortCutManager : public QDialog
{
    Q_OBJECT
public:
    TShortCutManager(TShortcutManagerModel &model, QWidget *parent = nullptr);

    // Opens the manager over the window's commands; true when it ended with OK.
    static bool Execute(TActionRegistry &registry, TVYRASettings &settings, QWidget *parent);

    QTreeWidget *List() const { return m_list; }
    QKeySequenceEdit *HotKey() const { return m_hotKey; }
    QLabel *Hint() const { return m_hint; }
    // Selects the row of a command; false when there is none.
    bool Select(const QString &name);

    void ApplyChange();
    void RemoveShortcut();
    void RestoreDefaults();
    void accept() override;
    void reject() override;

private:
    void fillList();
    void selectionChanged();
    int selectedRow() const;
    QTreeWidgetItem *itemOf(int row) const;
    void showRow(int row);

    TShortcutManagerModel &m_model;
    QTreeWidget *const m_list;
    QLabel *const m_hint;
    QKeySequenceEdit *const m_hotKey;
    QPushButton *m_apply = nullptr;
    QPushButton *m_remove = nullptr;
};
