#pragma once

#include "commands/TMenuEntry.h"

// The main window's menus and its main tool bar, in order.
class TStandardMenuLayout
{
public:
    static std::vector<TMenuEntry> MainMenu();
    static std::vector<TMenuEntry> MainToolBar();
};
