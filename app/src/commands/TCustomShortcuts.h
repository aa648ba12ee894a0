#pragma once

#include "commands/TShortcutCode.h"

#include <QHash>
#include <QString>

class TActionRegistry;
class TTalvexStudioShortcutSettings;

// The user's shortcuts of the studio settings (action name -> stored code)
// given to the registry's commands on the first showing of the window.
class TCustomShortcuts
{
public:
    static QHash<QString, quint16> Read(const TTalvexStudioShortcutSettings &settings);
    static void Apply(TActionRegistry &registry, const TTalvexStudioShortcutSettings &settings,
                      TKeyboardLayout layout = TKeyboardLayout::klGerman);
};
