#include "mainwindow/TFindNextCommand.h"

#include "commands/TActionRegistry.h"
#include "facade/TVYRAEditor.h"
#include "facade/TVYRATextSearch.h"
#include "mainwindow/TSearchState.h"
#include "ui/TPrompter.h"

namespace {
const QString kCommand = QStringLiteral("EditSearchMore");
}

TFindNextCommand::TFindNextCommand(TSearchState &state, TActiveEditor activeEditor)
    : m_state(state)
    , m_activeEditor(std::move(activeEditor))
{
}

void TFindNextCommand::Register(TActionRegistry &registry)
{
    m_registry = &registry;
    m_state.OnSearchChanged = [this] { updateHandler(); };
    updateHandler();
}

void TFindNextCommand::updateHandler()
{
    if (!m_registry)
        return;
    if (m_state.HasText())
        m_registry->SetHandler(kCommand, [this] { FindNext(); });
    else
        m_registry->SetHandler(kCommand, {});
}

bool TFindNextCommand::FindNext()
{
    const std::unique_ptr<TVYRAEditor> editor = m_activeEditor();
    if (!editor || !m_state.HasText())
        return false;
    TVYRATextSearch search(editor->GetParent(), editor->Environment().regex);
    search.SearchText = m_state.Text();
    // A continued search: the whole text, not only a selection (the last match is selected).
    search.Options = (m_state.Options() & ~TVYRASearchOptions(xsoReplace | xsoReplaceAll | xsoReplacePrompt))
        | xsoFindNext;
    const bool found = m_state.TakeRestart() ? search.FindFirst(m_state.Text()) : search.FindNext();
    if (!found) {
        TPrompter::instance().information(
            QStringLiteral("Die Suche nach \"%1\" hat keine weiteren Resultate geliefert.").arg(m_state.Text()),
            QStringLiteral("Suche"));
    }
    return found;
}
