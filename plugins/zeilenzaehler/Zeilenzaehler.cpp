// Sample call-back plug-in: replaces the selection with the number of lines
// of the active document, asking the editor through the host's call-back.
#include "VYRAForeignPlugins.h"

#include <string>

VYRA_MODULE_ENTRY int32_t Init_InterfaceVersion()
{
    return 3;
}

VYRA_MODULE_ENTRY const char *pluginInfo(int32_t index)
{
    switch (index) {
    case 0: return "Zeilenzaehler";
    case 3: return "Schreibt die Zeilenzahl des Dokuments an die Auswahl";
    case 5: return "Talvex Studio";
    default: return "";
    }
}

VYRA_MODULE_ENTRY void Start_Plugin(uintptr_t, int32_t, TVYRASlaveCallBack callBack)
{
    // The answer belongs to the host until the next call: copy it at once.
    const std::string answer = callBack(0, 10, "");
    if (answer.compare(0, 2, "00") != 0)
        return;
    size_t lines = 1;
    for (size_t i = 2; i < answer.size(); ++i)
        lines += answer[i] == '\n';
    const std::string text = "Zeilen: " + std::to_string(lines);
    callBack(0, 9, text.c_str());
}
