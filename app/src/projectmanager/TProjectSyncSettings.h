#pragma once

#include "projects/TVYRAProjectTypes.h"

class TVYRAProjectGroupItems;

// What the settings page of the project manager shows and stores: whether
// synchronisation can be switched on at all (only with an existing file
// folder and never for the default group), whether it is on, the default
// action on import (0 copy, 1 move) and whether each file operation is
// confirmed.
struct TProjectSyncSettings {
    bool available = false;
    bool enabled = false;
    int defaultAction = 0;
    bool confirm = true;

    static TProjectSyncSettings Read(const TVYRAProjectGroupItems &group, bool isDefaultGroup);
    // sfmDontSynrchronize unless switched on; then copy or move.
    TVYRASyncFileMode Mode() const;
    // Stores mode and confirmation in the group (marks it modified on a change).
    void WriteTo(TVYRAProjectGroupItems &group) const;
};
