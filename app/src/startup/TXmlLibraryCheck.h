#pragma once

#include <QString>

// The program cannot start without a working XML library: every data file
// and the settings are XML.
struct TXmlLibraryCheck {
    static bool available();
    static QString missingMessage();
};
