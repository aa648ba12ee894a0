#include "projectmanager/TToDoCommands.h"

#include "projectmanager/TToDoTexts.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TTalvexStudioToDoList.h"
#include "ui/TPrompter.h"

TToDoCommands::TToDoCommands(TPrompter &prompter, TEditor editor)
    : m_prompter(prompter)
    , m_editor(std::move(editor))
{
}

TTalvexStudioToDoEntry *TToDoCommands::Add(TTalvexStudioProject &project)
{
    if (!m_editor.newEntry)
        return nullptr;
    std::unique_ptr<TTalvexStudioToDoEntry> entry = m_editor.newEntry(project);
    TTalvexStudioToDoEntry *added = entry.get();
    if (!project.ToDoList()->AddItem(std::move(entry)))
        return nullptr;
    return added;
}

bool TToDoCommands::Remove(TTalvexStudioProject &project, TTalvexStudioToDoEntry *entry)
{
    TTalvexStudioToDoList *list = project.ToDoList();
    return entry && list->DeleteItem(list->IndexOf(entry));
}

bool TToDoCommands::ToggleDone(TTalvexStudioToDoEntry *entry)
{
    if (!entry)
        return false;
    entry->SetIsDone(!entry->IsDone());
    return true;
}

bool TToDoCommands::Edit(TTalvexStudioProject &project, TTalvexStudioToDoEntry *entry)
{
    if (!entry || !m_editor.edit || project.ToDoList()->IndexOf(entry) < 0)
        return false;
    return m_editor.edit(project, *entry);
}

int TToDoCommands::RemoveDone(TTalvexStudioProject &project)
{
    TTalvexStudioToDoList *list = project.ToDoList();
    const int done = list->GetDoneItemsCount();
    if (done == 0)
        return 0;
    const TPromptButton answer = m_prompter.question(TToDoTexts::RemoveDoneQuestion(done),
                                                     TPromptButton::Yes | TPromptButton::No,
                                                     QStringLiteral("Einträge entfernen"));
    return answer == TPromptButton::Yes ? list->RemoveDoneItems() : 0;
}
