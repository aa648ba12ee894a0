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

// Both conversions walk the text from the nearer end of the line: at the end
// of a line of megabytes they cost as little as at its start.
long TScintillaPositions::toByte(long charOffset) const
{
    charOffset = std::clamp(charOffset, 0L, charLength());
    const long line = lineOf(charOffset);
    const long units = charOffset - lineStart(line);
    const long unitsBefore = lineStart(line + 1) - charOffset;
    if (units == 0)
        return lineByte(line);
    if (unitsBefore < units)
        return m_sci.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVECODEUNITS, lineByte(line + 1), -unitsBefore);
    return m_sci.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVECODEUNITS, lineByte(line), units);
}

long TScintillaPositions::toChar(long bytePos) const
{
    const long length = m_sci.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    bytePos = std::clamp(bytePos, 0L, length);
    const long line = m_sci.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, bytePos);
    const long start = lineByte(line);
    const long next = lineByte(line + 1);
    if (next - bytePos < bytePos - start)
        return lineStart(line + 1) - m_sci.SendScintilla(QsciScintillaBase::SCI_COUNTCODEUNITS, bytePos, next);
    return lineStart(line) + m_sci.SendScintilla(QsciScintillaBase::SCI_COUNTCODEUNITS, start, bytePos);
}

long TScintillaPositions::lineByte(long line) const
{
    if (line >= m_sci.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT))
        return m_sci.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    return m_sci.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
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
