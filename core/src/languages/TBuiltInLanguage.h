#pragma once

#include "languages/TDialogType.h"
#include "vyra_export.h"

#include <QString>

class TIniFile;

// The German language compiled into the library as the resource "DEFLANG".
// It is read from memory through its resource path; nothing is written to
// disk for it.
class VYRA_EXPORT TBuiltInLanguage
{
public:
    // The resource path, usable wherever a language file name is.
    static QString FileName();
    // The text, read once.
    static const TIniFile &Ini();
    // The German start-up message.
    static QString GetDialog(TDialogType type);
};
