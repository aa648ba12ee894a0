#pragma once

#include "settings/TTalvexStudioToolbarItem.h"
#include "settings/TVYRAOwnedCollection.h"

// The tool bars, keyed by component name.
class ORVANE_EXPORT TTalvexStudioToolbarSettings : public TVYRAOwnedCollection<TTalvexStudioToolbarItem>
{
public:
    TTalvexStudioToolbarItem *GetToolbarSettings(const QString &name) const;
    // Sets all fields of the item of that name, adding it when there is none.
    TTalvexStudioToolbarItem *SetToolbarSettings(const QString &name, bool isFloating, bool visible,
                                                 TTalvexStudioBarPosition dock, int dockPos, int dockRow,
                                                 int width);
};
