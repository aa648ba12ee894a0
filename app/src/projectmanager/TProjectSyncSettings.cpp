#include "projectmanager/TProjectSyncSettings.h"

#include "projects/TVYRAProjectGroupItems.h"
#include "utils/FileUtils.h"

TProjectSyncSettings TProjectSyncSettings::Read(const TVYRAProjectGroupItems &group, bool isDefaultGroup)
{
    TProjectSyncSettings settings;
    settings.available = !isDefaultGroup && !group.FileFolder().isEmpty() && IsDirectory(group.FileFolder());
    settings.enabled = group.SyncFileMode() != sfmDontSynrchronize;
    settings.defaultAction = group.SyncFileMode() == sfmSynchronizeMoveFile ? 1 : 0;
    settings.confirm = group.ConfirmFileSync();
    return settings;
}

TVYRASyncFileMode TProjectSyncSettings::Mode() const
{
    if (!enabled)
        return sfmDontSynrchronize;
    return defaultAction == 1 ? sfmSynchronizeMoveFile : sfmSynchronize;
}

void TProjectSyncSettings::WriteTo(TVYRAProjectGroupItems &group) const
{
    // A group that cannot synchronise is never switched on, whatever the page held.
    group.SetSyncFileMode(available ? Mode() : sfmDontSynrchronize);
    group.SetConfirmFileSync(confirm);
}
