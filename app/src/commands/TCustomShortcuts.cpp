#include "commands/TCustomShortcuts.h"

#include "commands/TActionRegistry.h"
#include "settings/TTalvexStudioShortcutSettings.h"

QHash<QString, quint16> TCustomShortcuts::Read(const TTalvexStudioShortcutSettings &settings)
{
    QHash<QString, quint16> codes;
    for (int i = 0; i < settings.Count(); ++i) {
        const TTalvexStudioShortcutItem *item = settings.Items(i);
        if (item && !item->ActionName.isEmpty())
            codes.insert(item->ActionName, item->Shortcut);
    }
    return codes;
}

void TCustomShortcuts::Apply(TActionRegistry &registry, const TTalvexStudioShortcutSettings &settings,
                             TKeyboardLayout layout)
{
    registry.ApplyShortcutCodes(Read(settings), layout);
}
