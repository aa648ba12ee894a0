#pragma once

#include "vyra_export.h"

#include <QList>

// A run of lines [first, end) that the view skipped when it jumped far ahead:
// no styles, no trustworthy line states. nextStartId is the id of the state
// the line `end` was styled from (a guess when the jump was made).
struct TLineGap
{
    long first = 0;
    long end = 0;
    int nextStartId = 0;

    bool operator==(const TLineGap &other) const = default;
};

// The unstyled runs of a document, sorted, disjoint and never adjacent (two
// adjacent runs are one: the line between them is not styled either). Line
// numbers follow inserts and deletes.
class VYRA_EXPORT TLineGaps
{
public:
    bool isEmpty() const { return m_gaps.isEmpty(); }
    const QList<TLineGap> &gaps() const { return m_gaps; }
    void clear() { m_gaps.clear(); }

    // The run that holds line, or nullptr.
    const TLineGap *find(long line) const;
    // The first run that overlaps [first, last], or nullptr.
    const TLineGap *firstOverlapping(long first, long last) const;

    // Makes [first, end) unstyled; runs it touches or meets are taken in.
    void add(long first, long end, int nextStartId);
    // Lines [first, end) of one run have just been styled, the first of them
    // from the state startId: the run splits around them.
    void markStyled(long first, long end, int startId);
    // Forgets every run at or below line (the document is not styled there).
    void truncate(long line);

    // count lines were inserted after line, or removed after it (the lines
    // line + 1 ... line + count joined line).
    void linesInserted(long line, long count);
    void linesRemoved(long line, long count);

private:
    QList<TLineGap> m_gaps;
};
