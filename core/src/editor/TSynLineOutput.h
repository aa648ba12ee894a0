#pragma once

#include "vyra_export.h"

#include <QList>

class TSynHighlighterAttributes;

// One styled run of a line: 0-based character offset and length.
struct TSynToken
{
    int start = 0;
    int length = 0;
    const TSynHighlighterAttributes *attribute = nullptr;
};

// What highlighting one line produces: the styled runs in order and the fold
// changes. A multi-highlighter hands the same output to the highlighters of
// its segments, with the segment's position as offset.
class VYRA_EXPORT TSynLineOutput
{
public:
    void clear();

    // start is relative to the current offset; empty runs are dropped and a
    // run that continues the previous one with the same attribute extends it.
    void add(int start, int length, const TSynHighlighterAttributes *attribute);
    void setOffset(int offset) { m_offset = offset; }
    int offset() const { return m_offset; }

    void openFold() { ++m_foldDelta; }
    void closeFold();

    const QList<TSynToken> &tokens() const { return m_tokens; }
    // Net change of the fold level over the line, and the lowest point it
    // reached relative to the line's start (0 or negative).
    int foldDelta() const { return m_foldDelta; }
    int foldMinimum() const { return m_foldMinimum; }

private:
    QList<TSynToken> m_tokens;
    int m_offset = 0;
    int m_foldDelta = 0;
    int m_foldMinimum = 0;
};
