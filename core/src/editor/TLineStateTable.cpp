#include "editor/TLineStateTable.h"

TLineStateTable::TLineStateTable()
{
    idOf(TLineState{});
}

int TLineStateTable::idOf(const TLineState &state)
{
    auto it = m_ids.constFind(state);
    if (it != m_ids.constEnd())
        return it.value();
    const int id = int(m_states.size());
    m_states.append(state);
    m_ids.insert(state, id);
    return id;
}

const TLineState &TLineStateTable::stateOf(int id) const
{
    if (id < 0 || id >= m_states.size())
        return m_states.first();
    return m_states.at(id);
}
