#include "projectmanager/TProjectManagerFeature.h"

#include "commands/TActionRegistry.h"
#include "commands/TWindowSnapshot.h"
#include "container/TVYRADocumentContainer.h"
#include "dialogs/TEditToDoForm.h"
#include "documents/TDocumentCommands.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "projectmanager/TProjectManager.h"
#include "projectmanager/TToDoListView.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TVYRAProjectGroupList.h"
#include "ui/TPrompter.h"

#include <QApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTreeWidget>

namespace {

QWidget *dialogParent(TMainForm &window)
{
    QWidget *active = QApplication::activeWindow();
    return active ? active : &window;
}

} // namespace

TProjectManagerFeature::TProjectManagerFeature(TVYRACore &core, TMainForm &window, TDocumentCommands &documents,
                                               TFileDialogs &dialogs)
    : m_core(core)
    , m_window(window)
    , m_documents(documents)
    , m_dialogs(dialogs)
    , m_toDo(TPrompter::instance(),
             {[this](TTalvexStudioProject &project) { return TEditToDoForm::NewEntry(project, dialogParent(m_window)); },
              [this](TTalvexStudioProject &project, TTalvexStudioToDoEntry &entry) {
                  return TEditToDoForm::Edit(project, entry, dialogParent(m_window));
              }})
    , m_toDoPage(new TToDoListView)
{
    m_toDoPage->SetProjectCheck([this](TTalvexStudioProject *project) { return isOpen(project); });
    m_toDoDock = m_window.AddQuickbarPage(QStringLiteral("tbToDo"), QStringLiteral("ToDo-Liste"), m_toDoPage);
    registerCommands();
    m_window.AddSnapshotContributor([this](TWindowSnapshot &snapshot) {
        // Another group chosen in "Projektliste": the page follows once the update is done.
        if (m_toDoPage->Project() != selectedProject())
            QMetaObject::invokeMethod(this, [this] { m_toDoPage->Show(selectedProject()); }, Qt::QueuedConnection);
        snapshot.toDoEntrySelected = m_toDoPage->Project() == selectedProject() && m_toDoPage->CurrentEntry();
    });
    connect(m_toDoPage, &TToDoListView::currentEntryChanged, &m_window, &TMainForm::UpdateNow);
    connect(m_toDoPage, &TToDoListView::entryActivated, this,
            [this] { m_window.Registry().Action(QStringLiteral("ToDoEditEntry"))->trigger(); });
    connect(m_toDoPage, &TToDoListView::contextMenuRequested, this, [this](const QPoint &globalPos) {
        m_window.UpdateNow();
        QMenu menu(m_toDoPage);
        for (const char *name : {"ToDoAddEntry", "ToDoRemoveEntry", "ToDoToggleDoneStatus", "ToDoEditEntry",
                                 "ToDoRemoveDoneEntries"})
            menu.addAction(m_window.Registry().Action(QString::fromLatin1(name)));
        menu.exec(globalPos);
    });
    connect(&m_window, &TMainForm::listsChanged, this, &TProjectManagerFeature::listsChanged);
    listsChanged();
}

TProjectManagerFeature::~TProjectManagerFeature()
{
    delete manager();
}

bool TProjectManagerFeature::isOpen(const TVYRAProjectGroupItems *group) const
{
    const TVYRAProjectGroupList *groups = m_core.Container()->ProjectGroups();
    return group && groups && groups->IndexOf(group) >= 0;
}

TTalvexStudioProject *TProjectManagerFeature::selectedProject() const
{
    return dynamic_cast<TTalvexStudioProject *>(m_window.SelectedProjectGroup());
}

void TProjectManagerFeature::listsChanged()
{
    if (m_notifying)
        return;
    m_toDoPage->Show(selectedProject());
    if (TProjectManager *window = manager(); window && window->isVisible())
        window->Refresh();
}

void TProjectManagerFeature::runToDo(bool (*command)(TToDoCommands &, TTalvexStudioProject &, TToDoListView &))
{
    TTalvexStudioProject *project = selectedProject();
    if (!project)
        return;
    if (m_toDoPage->Project() != project)
        m_toDoPage->Show(project);
    if (command(m_toDo, *project, *m_toDoPage))
        m_window.ListsChanged();
}

void TProjectManagerFeature::registerCommands()
{
    TActionRegistry &registry = m_window.Registry();
    registry.SetHandler(QStringLiteral("ToDoAddEntry"), [this] {
        runToDo([](TToDoCommands &toDo, TTalvexStudioProject &project, TToDoListView &view) {
            TTalvexStudioToDoEntry *entry = toDo.Add(project);
            view.Show(&project);
            view.SetCurrentEntry(entry);
            return entry != nullptr;
        });
    });
    registry.SetHandler(QStringLiteral("ToDoRemoveEntry"), [this] {
        runToDo([](TToDoCommands &toDo, TTalvexStudioProject &project, TToDoListView &view) {
            return toDo.Remove(project, view.CurrentEntry());
        });
    });
    registry.SetHandler(QStringLiteral("ToDoEditEntry"), [this] {
        runToDo([](TToDoCommands &toDo, TTalvexStudioProject &project, TToDoListView &view) {
            return toDo.Edit(project, view.CurrentEntry());
        });
    });
    registry.SetHandler(QStringLiteral("ToDoToggleDoneStatus"), [this] {
        runToDo([](TToDoCommands &toDo, TTalvexStudioProject &, TToDoListView &view) {
            return toDo.ToggleDone(view.CurrentEntry());
        });
    });
    registry.SetHandler(QStringLiteral("ToDoRemoveDoneEntries"), [this] {
        runToDo([](TToDoCommands &toDo, TTalvexStudioProject &project, TToDoListView &) {
            return toDo.RemoveDone(project) > 0;
        });
    });
    registry.SetHandler(QStringLiteral("ProjectSettings"), [this] { ShowManager(TProjectManager::pgSettings); });
}

TProjectManager &TProjectManagerFeature::Manager()
{
    if (TProjectManager *window = manager())
        return *window;
    TProjectManager::THost host;
    host.files.dialogs = &m_dialogs;
    host.files.extensions = m_core.Extensions();
    host.files.chooseFolder = [this] {
        const TVYRAProjectGroupItems *group = manager() ? m_manager->Group() : nullptr;
        return QFileDialog::getExistingDirectory(manager(), QStringLiteral("Ordner zum Importieren auswählen"),
                                                 group ? group->FileFolder() : QString());
    };
    host.files.saveQuestion = [this](TVYRADocument *document) {
        return m_documents.ConfirmClose(m_core.Container()->Documents().IndexOf(document));
    };
    host.toDoEditor = {[this](TTalvexStudioProject &project) { return TEditToDoForm::NewEntry(project, manager()); },
                       [this](TTalvexStudioProject &project, TTalvexStudioToDoEntry &entry) {
                           return TEditToDoForm::Edit(project, entry, manager());
                       }};
    host.registry = &m_window.Registry();
    host.isOpen = [this](TVYRAProjectGroupItems *group) { return isOpen(group); };
    host.isDefaultGroup = [this](TVYRAProjectGroupItems *group) {
        TVYRADocumentContainer &container = *m_core.Container();
        return container.IsDefaultGroupCreated() && container.GetDefaultGroup() == group;
    };
    host.saveGroup = [this](TVYRAProjectGroupItems *group) { return m_documents.SaveProjectGroup(group); };
    m_manager = new TProjectManager(std::move(host), &m_window);
    m_managerWindow = m_manager;
    auto notify = [this] {
        // The manager already shows what it changed; the window's views follow.
        QScopedValueRollback notifying(m_notifying, true);
        m_window.ListsChanged();
        m_toDoPage->Show(selectedProject());
    };
    connect(m_manager, &TProjectManager::changed, this, notify);
    connect(m_manager, &TProjectManager::closed, this, notify);
    return *m_manager;
}

void TProjectManagerFeature::ShowManager(int page)
{
    Manager().ShowProjectManager(m_window.SelectedProjectGroup(), TProjectManager::TPage(page));
}
