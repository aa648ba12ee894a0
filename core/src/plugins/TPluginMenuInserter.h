#pragma once

#include "vyra_export.h"
#include "VYRAPluginInterfaces.h"

class QAction;
class QWidget;
class TVYRACore;

// Makes a menu item for a plug-in inside a menu bar or menu: a submenu or a
// plain action with the given values, tells the host through
// OnPluginMenuItemCreated and binds the two listeners through a
// TPluginMenuItem. nullptr (and nothing made) when the container is gone or
// not a menu.
class VYRA_EXPORT TPluginMenuInserter
{
public:
    static QAction *Insert(TVYRACore *core, QWidget *container, const TVYRAMenuItemInfo &info);
};
