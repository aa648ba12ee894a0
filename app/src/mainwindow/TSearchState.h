#pragma once

#include "settings/VYRASettingsTypes.h"

#include <QString>
#include <functional>

// The search text and options of the last search, and the *search restart*
// flag: set by a new search and by every change of a document's text, so
// that the next "Weitersuchen" starts a new search instead of continuing.
class TSearchState
{
public:
    // A new search (from the search dialog).
    void SetSearch(const QString &text, TVYRASearchOptions options);
    QString Text() const { return m_text; }
    TVYRASearchOptions Options() const { return m_options; }
    bool HasText() const { return !m_text.isEmpty(); }

    void MarkRestart() { m_restart = true; }
    bool RestartPending() const { return m_restart; }
    // Returns the flag and clears it.
    bool TakeRestart();

    // Told after SetSearch.
    std::function<void()> OnSearchChanged;

private:
    QString m_text;
    TVYRASearchOptions m_options;
    bool m_restart = true;
};
