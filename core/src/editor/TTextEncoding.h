#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QString>

// How a user's text file was stored: read by BOM, else UTF-8 when valid, else
// Windows-1252; written back the same way.
enum class TTextEncoding { teUtf8, teUtf16LE, teUtf16BE, teWindows1252 };

struct VYRA_EXPORT TTextFileFormat
{
    TTextEncoding encoding = TTextEncoding::teUtf8;
    bool bom = false;

    // Reads a BOM at the start of data; returns its length (0 without BOM).
    static int detectBom(const QByteArray &data, TTextFileFormat &format);
};

namespace TextCodec {

// Length of the longest prefix of data that is complete, valid UTF-8;
// *invalid is set when an invalid sequence (not just an incomplete tail) stops it.
VYRA_EXPORT qsizetype validUtf8Prefix(const char *data, qsizetype size, bool *invalid);
// UTF-8 text to a QString, a U+FEFF at the start included (a BOM was taken
// off before: this one is text).
VYRA_EXPORT QString fromUtf8(QByteArrayView utf8);
// Forward to the project's Windows-1252 codec (utils/Windows1252.h).
VYRA_EXPORT QString fromWindows1252(const char *data, qsizetype size);
// Fails (returns false) when text holds a character Windows-1252 cannot store.
VYRA_EXPORT bool toWindows1252(QStringView text, QByteArray &out);
VYRA_EXPORT QByteArray encode(QStringView text, const TTextFileFormat &format, bool *ok);

} // namespace TextCodec
