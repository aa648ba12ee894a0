#pragma once

#include "commands/TActionDefinition.h"
#include "commands/TShortcutCode.h"

#include <vector>

// Every fixed command of the main window in action-list order (the order in
// which a shared shortcut picks its command). Commands built at run time
// (templates, document types, special characters, tool-bar toggles) are
// added to the registry by their features.
class TActionCatalogue
{
public:
    static std::vector<TActionDefinition> Standard(TKeyboardLayout layout = TKeyboardLayout::klGerman);
};
