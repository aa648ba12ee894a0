#include "editor/TLineGaps.h"

#include <algorithm>

const TLineGap *TLineGaps::find(long line) const
{
    return firstOverlapping(line, line);
}

const TLineGap *TLineGaps::firstOverlapping(long first, long last) const
{
    auto it = std::lower_bound(m_gaps.cbegin(), m_gaps.cend(), first,
                               [](const TLineGap &gap, long line) { return gap.end <= line; });
    return it != m_gaps.cend() && it->first <= last ? &*it : nullptr;
}

void TLineGaps::add(long first, long end, int nextStartId)
{
    if (end <= first)
        return;
    TLineGap gap{first, end, nextStartId};
    QList<TLineGap> result;
    result.reserve(m_gaps.size() + 1);
    bool placed = false;
    for (const TLineGap &old : std::as_const(m_gaps)) {
        if (old.end < gap.first) {
            result.append(old);
        } else if (old.first > gap.end) {
            if (!placed)
                result.append(gap);
            placed = true;
            result.append(old);
        } else {
            // Overlaps or meets: the line after the merged run decides its start state.
            if (old.end > gap.end)
                gap.nextStartId = old.nextStartId;
            gap.first = std::min(gap.first, old.first);
            gap.end = std::max(gap.end, old.end);
        }
    }
    if (!placed)
        result.append(gap);
    m_gaps = std::move(result);
}

void TLineGaps::markStyled(long first, long end, int startId)
{
    auto it = std::lower_bound(m_gaps.begin(), m_gaps.end(), first,
                               [](const TLineGap &gap, long line) { return gap.end <= line; });
    if (it == m_gaps.end() || it->first >= end)
        return;
    const TLineGap old = *it;
    it = m_gaps.erase(it);
    if (end < old.end)
        it = m_gaps.insert(it, TLineGap{end, old.end, old.nextStartId});
    if (old.first < first)
        m_gaps.insert(it, TLineGap{old.first, first, startId});
}

void TLineGaps::truncate(long line)
{
    while (!m_gaps.isEmpty() && m_gaps.last().end > line) {
        TLineGap &last = m_gaps.last();
        if (last.first >= line)
            m_gaps.removeLast();
        else
            last.end = line;
    }
}

void TLineGaps::linesInserted(long line, long count)
{
    for (TLineGap &gap : m_gaps) {
        if (gap.first > line)
            gap.first += count;
        if (gap.end > line)
            gap.end += count;
    }
}

void TLineGaps::linesRemoved(long line, long count)
{
    const auto map = [line, count](long x) { return x <= line ? x : std::max(line + 1, x - count); };
    QList<TLineGap> result;
    for (TLineGap gap : std::as_const(m_gaps)) {
        gap.first = map(gap.first);
        gap.end = map(gap.end);
        if (gap.end <= gap.first)
            continue;
        if (!result.isEmpty() && result.last().end >= gap.first) {
            result.last().end = std::max(result.last().end, gap.end);
            result.last().nextStartId = gap.nextStartId;
        } else {
            result.append(gap);
        }
    }
    m_gaps = std::move(result);
}
