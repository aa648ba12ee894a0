#pragma once

#include "editor/TLineState.h"
#include "vyra_export.h"

#include <QHash>
#include <QList>

// Scintilla keeps one integer per line. A line state can hold a heredoc label,
// so it does not fit in 32 bits; each distinct state gets a small id instead.
// Equal states get equal ids, so comparing ids compares states. Id 0 is the
// state at the start of a document.
class VYRA_EXPORT TLineStateTable
{
public:
    TLineStateTable();

    int idOf(const TLineState &state);
    // Unknown ids (a line Scintilla never saw styled) give the initial state.
    const TLineState &stateOf(int id) const;
    int count() const { return int(m_states.size()); }

private:
    QList<TLineState> m_states;
    QHash<TLineState, int> m_ids;
};
