#include "settings/TTalvexStudioShortcutSettings.h"

TTalvexStudioShortcutItem *TTalvexStudioShortcutSettings::GetSettingsItem(const QString &actionName) const
{
    return FindByKey(&TTalvexStudioShortcutItem::ActionName, actionName);
}

TTalvexStudioShortcutItem *TTalvexStudioShortcutSettings::SetSettingsItem(const QString &actionName,
                                                                          quint16 shortcut)
{
    TTalvexStudioShortcutItem *item = FindOrAdd(&TTalvexStudioShortcutItem::ActionName, actionName);
    item->Shortcut = shortcut;
    return item;
}
