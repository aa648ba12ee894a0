#pragma once

#include "projectmanager/TToDoCommands.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QDockWidget;
class TDocumentCommands;
class TFileDialogs;
class TMainForm;
class TProjectManager;
class TTalvexStudioProject;
class TToDoListView;
class TVYRACore;
class TVYRAProjectGroupItems;

// Puts the project manager and the ToDo list into the main window: the
// quick-bar page "ToDo-Liste" with the selected project group's entries, the
// commands ToDoAddEntry, ToDoRemoveEntry, ToDoEditEntry,
// ToDoToggleDoneStatus, ToDoRemoveDoneEntries on that page, and
// ProjectSettings, which opens the manager on its settings page. The manager
// window is made on first use; both views follow the window's lists.
class TProjectManagerFeature : public QObject
{
    Q_OBJECT
public:
    TProjectManagerFeature(TVYRACore &core, TMainForm &window, TDocumentCommands &documents, TFileDialogs &dialogs);
    ~TProjectManagerFeature() override;

    // The manager window, made when first needed.
    TProjectManager &Manager();
    bool HasManager() const { return manager() != nullptr; }
    TToDoListView *ToDoPage() const { return m_toDoPage; }
    // Opens the manager for the selected project group on page.
    void ShowManager(int page);

private:
    void registerCommands();
    void runToDo(bool (*command)(TToDoCommands &, TTalvexStudioProject &, TToDoListView &));
    TTalvexStudioProject *selectedProject() const;
    bool isOpen(const TVYRAProjectGroupItems *group) const;
    void listsChanged();
    // The manager while its window exists.
    TProjectManager *manager() const { return m_managerWindow ? m_manager : nullptr; }

    TVYRACore &m_core;
    TMainForm &m_window;
    TDocumentCommands &m_documents;
    TFileDialogs &m_dialogs;
    TToDoCommands m_toDo;
    TToDoListView *const m_toDoPage;
    QDockWidget *m_toDoDock = nullptr;
    // The window belongs to the main window; the guard notices when it is gone.
    TProjectManager *m_manager = nullptr;
    QPointer<QWidget> m_managerWindow;
    bool m_notifying = false;
};
