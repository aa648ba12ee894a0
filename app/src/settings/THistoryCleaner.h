#pragma once

class TPrompter;
class TTalvexStudioSettings;
class TVYRAMRUList;

// "Datei-Verlauf löschen" and "Such-Verlauf löschen": both lists are emptied
// and written at once, and the user is told the outcome.
class THistoryCleaner
{
public:
    static bool ClearFileHistory(TVYRAMRUList &recentFiles, TPrompter &prompter);
    static bool ClearSearchHistory(TTalvexStudioSettings &settings, TPrompter &prompter);
};
