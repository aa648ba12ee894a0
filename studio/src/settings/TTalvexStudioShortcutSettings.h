#pragma once

#include "settings/TTalvexStudioShortcutItem.h"
#include "settings/TVYRAOwnedCollection.h"

// The user's shortcuts, keyed by action name.
class ORVANE_EXPORT TTalvexStudioShortcutSettings : public TVYRAOwnedCollection<TTalvexStudioShortcutItem>
{
public:
    TTalvexStudioShortcutItem *GetSettingsItem(const QString &actionName) const;
    TTalvexStudioShortcutItem *SetSettingsItem(const QString &actionName, quint16 shortcut);
};
