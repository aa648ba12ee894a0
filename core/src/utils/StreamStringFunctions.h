#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Length-prefixed strings: a 32-bit signed little-endian byte count, then that
// many 8-bit characters, no terminator. A count of 0 or less is the empty
// string and is followed by nothing.

// Reads one string. Raises EStreamReadError when the count cannot be read or
// is larger than what the stream has left; nothing is allocated beyond the
// bytes actually present.
VYRA_EXPORT QByteArray ReadStringFromStream(QIODevice &stream);
// Writes one string. Raises EStreamWriteError when the stream does not take
// every byte or the string is too long for a 32-bit count.
VYRA_EXPORT void WriteStringToStream(QIODevice &stream, const QByteArray &value);

// The same for text fields, whose 8-bit characters are Windows-1252.
VYRA_EXPORT QString ReadTextFromStream(QIODevice &stream);
// False, with a German message in *error and nothing written, when the text
// holds a character Windows-1252 cannot store or the stream fails.
VYRA_EXPORT bool WriteTextToStream(QIODevice &stream, const QString &text, QString *error);
