#pragma once

#include "plugins/TVYRAPluginTypes.h"

#include <QKeySequence>
#include <cstdint>
#include <functional>

class QAction;
class QTabWidget;
class QToolBar;
class QWidget;

// What the host program tells the plug-in system about its window. Set once
// by the program; a core and its clones share one set. Unset events answer
// "none".
struct TVYRAPluginEvents {
    // The main menu (a QMenuBar) or the editor's pop-up menu (a QMenu).
    std::function<QWidget *(TVYRAMenuKind)> OnRequestMenu;
    // A menu item was made for a plug-in; the host may adapt it.
    std::function<void(QAction *)> OnPluginMenuItemCreated;
    // The page control of that role, nullptr when the window has none.
    std::function<QTabWidget *(TVYRAPageControls)> OnQueryPageControl;
    // The item bar added a tool bar.
    std::function<void(QToolBar *)> OnToolbarAdded;
    // Turns a stored 16-bit shortcut code into keys.
    std::function<QKeySequence(uint16_t)> ShortCutToKeys;
};
