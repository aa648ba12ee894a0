#include "editor/TSynLineOutput.h"

#include <algorithm>

void TSynLineOutput::clear()
{
    m_tokens.clear();
    m_offset = 0;
    m_foldDelta = 0;
    m_foldMinimum = 0;
}

void TSynLineOutput::add(int start, int length, const TSynHighlighterAttributes *attribute)
{
    if (length <= 0)
        return;
    start += m_offset;
    if (!m_tokens.isEmpty()) {
        TSynToken &last = m_tokens.last();
        if (last.attribute == attribute && last.start + last.length == start) {
            last.length += length;
            return;
        }
    }
    m_tokens.append({start, length, attribute});
}

void TSynLineOutput::closeFold()
{
    --m_foldDelta;
    m_foldMinimum = std::min(m_foldMinimum, m_foldDelta);
}
