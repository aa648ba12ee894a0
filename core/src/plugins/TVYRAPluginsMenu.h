#pragma once

#include "vyra_export.h"

#include <QString>
#include <functional>

class QAction;
class TVYRACore;

// The "Plugins" menu that holds one entry per foreign plug-in.
class VYRA_EXPORT TVYRAPluginsMenu
{
public:
    // "mmEPSPlugin_" / "mmLoomexSlave_" + the caption without every character
    // but A-Z, a-z and "_"; a name the menu already has gets a counter (2, 3 ...).
    static QString EntryName(const QString &prefix, const QString &caption);

    // Finds or makes "mmPlugins" (at position in the main menu) and adds an
    // entry whose click runs onClick. nullptr when the host has no main menu.
    static QAction *AddEntry(TVYRACore &core, int position, const QString &caption, const QString &hint,
                             const QString &namePrefix, std::function<void()> onClick);
    static void RemoveEntry(TVYRACore &core, QAction *entry);
};
