#include "search/TLineColumnCounter.h"

TLineColumnCounter::TLineColumnCounter(const QString &text)
    : m_text(text)
{
}

TLineColumnCounter::TPlace TLineColumnCounter::At(int offset)
{
    if (offset < m_scanned) {
        m_scanned = 0;
        m_line = 1;
        m_lineStart = 0;
    }
    const QChar *data = m_text.constData();
    const int end = qMin(offset, int(m_text.size()));
    for (int i = m_scanned; i < end; ++i) {
        const char16_t c = data[i].unicode();
        if (c > u'\r') // most characters: one comparison
            continue;
        if (c == u'\n' || (c == u'\r' && (i + 1 >= m_text.size() || data[i + 1] != u'\n'))) {
            ++m_line;
            m_lineStart = i + 1;
        }
    }
    m_scanned = qMax(m_scanned, end);
    return {m_line, offset - m_lineStart + 1};
}
