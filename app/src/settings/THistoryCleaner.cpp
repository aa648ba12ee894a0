#include "settings/THistoryCleaner.h"

#include "settings/TTalvexStudioSearchSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "snippets/TVYRAMRUList.h"
#include "ui/TPrompter.h"

bool THistoryCleaner::ClearFileHistory(TVYRAMRUList &recentFiles, TPrompter &prompter)
{
    recentFiles.ClearList();
    const TOperationResult saved = recentFiles.SaveToXML();
    if (!saved.ok) {
        prompter.error(saved.errorText);
        return false;
    }
    prompter.information(QStringLiteral("Der Datei-Verlauf wurde erfolgreich gelöscht."));
    return true;
}

bool THistoryCleaner::ClearSearchHistory(TTalvexStudioSettings &settings, TPrompter &prompter)
{
    settings.Search()->SearchHistory.clear();
    if (settings.Save())
        return true;
    prompter.error(QStringLiteral("Der Such-Verlauf konnte nicht in der Datei \"%1\" gespeichert werden.\n%2")
                       .arg(settings.fileName(), settings.LastSaveError()));
    return false;
}
