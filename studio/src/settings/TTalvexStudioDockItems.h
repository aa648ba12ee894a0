#pragma once

#include "settings/TTalvexStudioDockElement.h"
#include "settings/TVYRAOwnedCollection.h"

// The docking panels, keyed by component name.
class ORVANE_EXPORT TTalvexStudioDockItems : public TVYRAOwnedCollection<TTalvexStudioDockElement>
{
public:
    TTalvexStudioDockElement *GetDockSettings(const QString &name) const;
    // Sets all fields of the item of that name, adding it when there is none.
    TTalvexStudioDockElement *SetDockSettings(const QString &name, bool visible, TDockPosition dockedAt,
                                              int positionIdx);
};
