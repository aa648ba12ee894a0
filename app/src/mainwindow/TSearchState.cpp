#include "mainwindow/TSearchState.h"

void TSearchState::SetSearch(const QString &text, TVYRASearchOptions options)
{
    m_text = text;
    m_options = options;
    m_restart = true;
    if (OnSearchChanged)
        OnSearchChanged();
}

bool TSearchState::TakeRestart()
{
    const bool restart = m_restart;
    m_restart = false;
    return restart;
}
