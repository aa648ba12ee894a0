#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// Windows-1252 conversion of large stored fields (the text of a document).
// Most such texts are Base64 or other ASCII, and Windows-1252 agrees with
// Latin-1 outside 0x80-0x9F, so those take Qt's vectorised Latin-1 codec;
// anything else goes through the project's Windows-1252 codec.
class VYRA_EXPORT TStoredText
{
public:
    // The bytes of text; *ok false (and empty bytes) when a character has no code.
    static QByteArray Encode(QStringView text, bool *ok);
    static QString Decode(const QByteArray &bytes);
    // Windows-1252 agrees with Latin-1 for every character / byte.
    static bool IsLatin1Compatible(QStringView text);
    static bool IsLatin1Compatible(const QByteArray &bytes);
};
