#pragma once

#include <functional>
#include <memory>

class TPrompter;
class TTalvexStudioProject;
class TTalvexStudioToDoEntry;

// The ToDo commands on one project's list, shared by the main window's
// actions and the project manager's ToDo page: add (through the entry
// editor), remove, toggle done, edit, and remove the done entries after a
// question. Every change marks the project modified through its list.
class TToDoCommands
{
public:
    struct TEditor {
        // A new entry filled in by the user; nullptr when cancelled.
        std::function<std::unique_ptr<TTalvexStudioToDoEntry>(TTalvexStudioProject &project)> newEntry;
        // Edits the entry in place; false when cancelled.
        std::function<bool(TTalvexStudioProject &project, TTalvexStudioToDoEntry &entry)> edit;
    };

    TToDoCommands(TPrompter &prompter, TEditor editor);

    TTalvexStudioToDoEntry *Add(TTalvexStudioProject &project);
    bool Remove(TTalvexStudioProject &project, TTalvexStudioToDoEntry *entry);
    bool ToggleDone(TTalvexStudioToDoEntry *entry);
    bool Edit(TTalvexStudioProject &project, TTalvexStudioToDoEntry *entry);
    // Asks "Es wird 1 Eintrag entfernt. Fortfahren?" (or the plural); nothing
    // happens without done entries. The number removed.
    int RemoveDone(TTalvexStudioProject &project);

private:
    TPrompter &m_prompter;
    TEditor m_editor;
};
