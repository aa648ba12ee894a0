#pragma once

#include "commands/TCommandController.h"
#include "mainwindow/TActiveEditor.h"

class TSearchState;

// "Weitersuchen": finds the next match of the last search in the active
// document and selects it. Until a search text exists the command has no
// handler, so it stays disabled and its hint names the missing search.
class TFindNextCommand : public TCommandController
{
public:
    TFindNextCommand(TSearchState &state, TActiveEditor activeEditor);
    void Register(TActionRegistry &registry) override;

    // True when a match was selected; tells the user when there is none.
    bool FindNext();

private:
    void updateHandler();

    TSearchState &m_state;
    TActiveEditor m_activeEditor;
    TActionRegistry *m_registry = nullptr;
};
