#include "startup/TXmlLibraryCheck.h"

#include <pugixml.hpp>

bool TXmlLibraryCheck::available()
{
    static const char probe[] = "<settings><probe>ä &amp; ö</probe></settings>";
    pugi::xml_document document;
    if (!document.load_string(probe))
        return false;
    return std::string(document.child("settings").child_value("probe")) == "ä & ö";
}

QString TXmlLibraryCheck::missingMessage()
{
    return QStringLiteral("Fehler: Es wurde keine installierte XML DOM Implementierung auf Ihrem Computer gefunden. "
                          "Talvex Studio benötigt ein installiertes XML DOM, um starten zu können.");
}
