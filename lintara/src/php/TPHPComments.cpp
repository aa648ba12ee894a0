#include "php/TPHPComments.h"

#include "php/TPHPLexer.h"

#include <algorithm>

TPHPComments::TPHPComments()
{
    restart();
}

TPHPComments::~TPHPComments() = default;

void TPHPComments::SetSource(const QString &text)
{
    if (text == m_source && m_lexer)
        return;
    m_source = text;
    restart();
}

void TPHPComments::SetStartsInHtml(bool startsInHtml)
{
    if (startsInHtml == m_startsInHtml)
        return;
    m_startsInHtml = startsInHtml;
    restart();
}

void TPHPComments::restart()
{
    m_parsedTo = 0;
    m_entries.clear();
    m_lexer = std::make_unique<TPHPLexer>(m_source, m_startsInHtml);
}

void TPHPComments::ParseTo(int32_t pos)
{
    if (pos < m_parsedTo || m_lexer->AtEnd())
        return;
    QList<TPHPLexer::TSpan> spans;
    m_parsedTo = m_lexer->Scan(pos, spans);
    for (const TPHPLexer::TSpan &span : spans) {
        switch (span.Kind) {
        case TPHPLexer::TSpanKind::skString:
        case TPHPLexer::TSpanKind::skBlockComment:
            m_entries.append(TPHPComment(span.Start, span.End - span.Start, false));
            break;
        case TPHPLexer::TSpanKind::skLineComment:
            m_entries.append(TPHPComment(span.Start, span.End - span.Start, true));
            break;
        default:
            break;
        }
    }
}

const TPHPComment *TPHPComments::entryAt(int32_t pos)
{
    ParseTo(pos);
    // Entries do not overlap: only the last one starting at or before pos can hold it.
    auto it = std::upper_bound(m_entries.cbegin(), m_entries.cend(), pos,
                               [](int32_t p, const TPHPComment &e) { return p < e.Start; });
    if (it == m_entries.cbegin())
        return nullptr;
    return &*(it - 1);
}

bool TPHPComments::CheckIsCommented(int32_t pos, int32_t len)
{
    const TPHPComment *e = entryAt(pos);
    if (!e)
        return false;
    return e->IsLineComment ? pos < e->End() : pos + len <= e->End();
}

bool TPHPComments::CheckIsPartiallyCommented(int32_t pos, int32_t /*len*/)
{
    const TPHPComment *e = entryAt(pos);
    return e && pos < e->End();
}
