#include "editor/TScintillaPositions.h"

#include <Qsci/qsciscintillabase.h>

#include <algorithm>

namespace {
// UTF-16 for our offsets; UTF-32 lets character counts from the start of
// the document be answered without walking the text.
constexpr long CharacterIndexes = QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16
    | QsciScintillaBase::SC_LINECHARACTERINDEX_UTF32;
} // namespace

void TScintillaPositions::attach()
{
    m_sci.SendScintilla(QsciScintillaBase::SCI_ALLOCATELINECHARACTERINDEX, CharacterIndexes);
}

void TScintillaPositions::detach()
{
    m_sci.SendScintilla(QsciScintillaBase::SCI_RELEASELINECHARACTERINDEX, CharacterIndexes);
}

long TScintillaPositions::toByte(long charOffset) const
{
    charOffset = std::clamp(charOffset, 0L, charLength());
    const long line = lineOf(charOffset);
    const long lineByte = m_sci.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long units = charOffset - lineStart(line);
    if (units == 0)
        return lineByte;
    return m_sci.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVECODEUNITS, lineByte, units);
}

long TScintillaPositions::toChar(long bytePos) const
{
    const long length = m_sci.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    bytePos = std::clamp(bytePos, 0L, length);
    const long line = m_sci.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, bytePos);
    const long lineByte = m_sci.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    return lineStart(line) + m_sci.SendScintilla(QsciScintillaBase::SCI_COUNTCODEUNITS, lineByte, bytePos);
}

long TScintillaPositions::charLength() const
{
    const long lines = m_sci.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    return lineStart(lines);
}

long TScintillaPositions::lineStart(long line) const
{
    return m_sci.SendScintilla(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, line,
                               QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16);
}

long TScintillaPositions::lineOf(long charOffset) const
{
    return m_sci.SendScintilla(QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, charOffset,
                               QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16);
}
