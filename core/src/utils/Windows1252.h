#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// Windows-1252 codec for the 8-bit fields of our stored formats and for hash
// inputs. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to U+0081, U+008D, U+008F, U+0090 and U+009D, so every byte
// round-trips. Our own table: Qt has no built-in Windows-1252 codec, and the
// ICU one replaces instead of reporting characters it cannot encode.

// Encodes text. When a character has no code, *ok is set to false and the
// result is empty: nothing is ever replaced silently.
VYRA_EXPORT QByteArray toWindows1252(QStringView text, bool *ok = nullptr);

// Decodes bytes; never fails.
VYRA_EXPORT QString fromWindows1252(const QByteArray &bytes);

// True when every character of the text has a Windows-1252 code; otherwise
// *firstBadIndex receives the index of the first one that has none.
VYRA_EXPORT bool canEncodeWindows1252(const QString &text, int *firstBadIndex = nullptr);

// The German message telling the user which character cannot be stored.
// Empty when the text can be encoded.
VYRA_EXPORT QString windows1252EncodeError(const QString &text);
