#pragma once

#include "commands/TMenuEntry.h"

class QMenu;
class QMenuBar;
class QToolBar;
class TActionRegistry;

// Builds menus and tool bars from a layout and the registry's actions. An
// action name the registry does not know throws std::invalid_argument.
class TMenuBuilder
{
public:
    static void BuildMenuBar(QMenuBar &bar, const TActionRegistry &registry, const std::vector<TMenuEntry> &menus);
    static void BuildMenu(QMenu &menu, const TActionRegistry &registry, const std::vector<TMenuEntry> &entries);
    // Tool bars take no submenus.
    static void BuildToolBar(QToolBar &bar, const TActionRegistry &registry, const std::vector<TMenuEntry> &entries);
};
