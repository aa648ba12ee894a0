#pragma once

#include "vyra_export.h"

class QsciScintillaBase;

// The one place that converts between character offsets (QString indexes,
// UTF-16 code units) and Scintilla's UTF-8 byte positions. It relies on
// Scintilla's UTF-16 line index, which attach() allocates for the current
// document.
class VYRA_EXPORT TScintillaPositions
{
public:
    explicit TScintillaPositions(QsciScintillaBase &sci) : m_sci(sci) {}

    // Call once per document (after setting a new document).
    void attach();
    void detach();

    long toByte(long charOffset) const;
    long toChar(long bytePos) const;
    // Length of the document in characters.
    long charLength() const;
    // Character offset of the start of a 0-based line.
    long lineStart(long line) const;
    long lineOf(long charOffset) const;

private:
    // Byte position of the start of a line; the document's length for the
    // line after the last.
    long lineByte(long line) const;

    QsciScintillaBase &m_sci;
};
