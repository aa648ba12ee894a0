// Sample question/answer plug-in: turns the selected text into capitals.
#include "VYRAForeignPlugins.h"

#include <string>

namespace {
std::string result;
}

VYRA_MODULE_ENTRY const char *pluginStart(const char *text, int32_t selStart, int32_t selLength)
{
    const std::string all(text ? text : "");
    if (selStart < 0 || selLength < 0 || size_t(selStart) > all.size())
        return "";
    result = all.substr(size_t(selStart), size_t(selLength));
    for (char &c : result) {
        const auto byte = static_cast<unsigned char>(c);
        // Windows-1252: a-z and the accented small letters (except ß and ÿ).
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
            c = static_cast<char>(byte - 0x20);
    }
    return result.c_str();
}

VYRA_MODULE_ENTRY int32_t pluginInterfaceVersion()
{
    return 2;
}

VYRA_MODULE_ENTRY int32_t pluginRueckgabetyp()
{
    return 1; // the result replaces the selection
}

VYRA_MODULE_ENTRY const char *pluginInfo(int32_t index)
{
    switch (index) {
    case 1: return "Grossbuchstaben";
    case 2: return "Setzt die Auswahl in Grossbuchstaben";
    case 3: return "Talvex Studio";
    case 4: return "Beispiel";
    default: return "";
    }
}
