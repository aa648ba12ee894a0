#pragma once

#include "editor/TTextEncoding.h"
#include "vyra_export.h"

#include <QByteArray>

// The one reading of a user's text file, for the code editor and for
// documents alike. A BOM decides the encoding; without one, valid UTF-8 is
// UTF-8. Bytes the chosen encoding cannot hold (an invalid UTF-8 sequence, an
// odd byte or a lone surrogate in UTF-16) make the whole file Windows-1252,
// BOM included, so every byte is kept and writing the text back gives the
// very bytes read.
//
// The bytes may come in pieces (a large file is read in slices): decode()
// carries a character split by a piece's end over to the next piece. When it
// meets bytes that do not fit it answers false, and the caller starts again
// from the file's first byte, which is then read as Windows-1252.
class VYRA_EXPORT TTextDecoder
{
public:
    // Reads the BOM at the start of head (the first bytes of the file) and
    // returns its length: the text starts behind it.
    qsizetype begin(const QByteArray &head);
    // Decodes the next piece to UTF-8 (what was carried over included); last
    // says no bytes follow. False: start again at byte 0 (see above).
    bool decode(const QByteArray &piece, bool last, QByteArray &utf8);
    const TTextFileFormat &format() const { return m_format; }

    // A whole file at once: its format and its text as UTF-8.
    static QByteArray decodeAll(const QByteArray &bytes, TTextFileFormat &format);

private:
    bool decodeUtf8(const QByteArray &piece, bool last, QByteArray &utf8);
    bool decodeUtf16(const QByteArray &piece, bool last, QByteArray &utf8);
    bool fallBack();

    TTextFileFormat m_format;
    QByteArray m_carry;
};
