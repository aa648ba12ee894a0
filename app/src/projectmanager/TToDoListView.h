#pragma once

// A complete type for the signals' meta types.
#include "projects/TTalvexStudioToDoEntry.h"

#include <QPointer>
#include <QTreeWidget>
#include <functional>

class QLabel;
class TTalvexStudioProject;

// The ToDo list of one project as rows "Priorität", "Betrifft Datei",
// "Beschreibung", "Erledigt?", with the counter line above them. Serves the
// project manager's ToDo page and the main window's ToDo page alike.
class TToDoListView : public QWidget
{
    Q_OBJECT
public:
    explicit TToDoListView(QWidget *parent = nullptr);

    // Shows the project's list (nothing for nullptr); keeps the current entry when it is still there.
    void Show(TTalvexStudioProject *project);
    // The shown project; nullptr once the check says it is no longer open.
    TTalvexStudioProject *Project() const;
    // How the view learns that its project was closed (the list of open groups).
    void SetProjectCheck(std::function<bool(TTalvexStudioProject *)> isOpen) { m_isOpen = std::move(isOpen); }
    // The focused entry, or nullptr.
    TTalvexStudioToDoEntry *CurrentEntry() const;
    void SetCurrentEntry(const TTalvexStudioToDoEntry *entry);

    QTreeWidget *Tree() const { return m_tree; }
    QLabel *Counter() const { return m_counter; }
    // The top line, to which a page adds its links.
    QWidget *HeaderBar() const { return m_header; }

signals:
    // A row was double-clicked.
    void entryActivated(TTalvexStudioToDoEntry *entry);
    void currentEntryChanged();
    void contextMenuRequested(const QPoint &globalPos);

private:
    TTalvexStudioToDoEntry *entryOf(const QTreeWidgetItem *row) const;

    TTalvexStudioProject *m_project = nullptr;
    std::function<bool(TTalvexStudioProject *)> m_isOpen;
    QWidget *const m_header;
    QLabel *const m_counter;
    QTreeWidget *const m_tree;
};
