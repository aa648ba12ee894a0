#pragma once

#include <QDialog>
#include <QList>

class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TSettingsPage;
class TTalvexStudioSettings;
class TVYRACore;

// "Talvex Studio - Einstellungen": the pages of the settings in a navigation
// tree. Every opening loads all pages from the settings afresh; "Ok" and
// "Übernehmen" write them back and save the settings and the snippets (the
// open editors take the editor settings at once); "Abbrechen" closes.
class TSettingsForm : public QDialog
{
    Q_OBJECT
public:
    TSettingsForm(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    // Loads every page and shows page (the first for an index out of range).
    void Prepare(int page);
    // Prepare, then modal; the dialog's result.
    int Execute(int page);
    // Writes every page back and saves; false (and told) when a file could not be written.
    bool Apply();

    // The top-level page whose node is selected.
    int CurrentPage() const;
    QTreeWidget *Navigation() const { return m_navigation; }
    QPushButton *ApplyButton() const { return m_apply; }
    QPushButton *OkButton() const { return m_ok; }
    template <class TPage>
    TPage *Page() const
    {
        for (TSettingsPage *page : m_pages)
            if (auto *found = qobject_cast<TPage *>(page))
                return found;
        return nullptr;
    }

    void accept() override;
    void reject() override;

private:
    void addPage(TSettingsPage *page, QTreeWidgetItem *node);
    void showNode(QTreeWidgetItem *node);

    TVYRACore &m_core;
    TTalvexStudioSettings &m_settings;
    QTreeWidget *const m_navigation;
    QStackedWidget *const m_stack;
    QPushButton *const m_ok;
    QPushButton *const m_apply;
    QPushButton *const m_cancel;
    QList<TSettingsPage *> m_pages;
    QList<QTreeWidgetItem *> m_topNodes;
};
