#include "php/TPHPLexer.h"

#include <QString>

namespace {

bool isLineBreak(char16_t c)
{
    return c == u'\n' || c == u'\r';
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v';
}

} // namespace

TPHPLexer::TPHPLexer(QStringView text, bool startsInHtml) : m_text(text), m_inHtml(startsInHtml) {}

int32_t TPHPLexer::Scan(int32_t pos, QList<TSpan> &spans)
{
    while (m_pos <= pos && !AtEnd()) {
        if (m_inHtml)
            scanHtml(spans);
        else
            scanPhp(spans);
    }
    return m_pos;
}

int32_t TPHPLexer::openTagLength(int32_t at) const
{
    const QStringView rest = m_text.mid(at + 2);
    if (rest.startsWith(u'='))
        return 3;
    if (rest.startsWith(QLatin1String("php"), Qt::CaseInsensitive) && (rest.size() == 3 || isBlank(rest[3].unicode())))
        return 5;
    if (rest.startsWith(QLatin1String("xml"), Qt::CaseInsensitive))
        return 0; // an XML declaration in the HTML part
    return 2;
}

void TPHPLexer::scanHtml(QList<TSpan> &spans)
{
    qsizetype from = m_pos;
    for (;;) {
        const qsizetype tag = m_text.indexOf(QLatin1String("<?"), from);
        if (tag < 0) {
            spans.append({m_pos, int32_t(m_text.size()), TSpanKind::skHtml});
            m_pos = int32_t(m_text.size());
            return;
        }
        const int32_t length = openTagLength(int32_t(tag));
        if (length == 0) {
            from = tag + 2;
            continue;
        }
        if (tag > m_pos)
            spans.append({m_pos, int32_t(tag), TSpanKind::skHtml});
        spans.append({int32_t(tag), int32_t(tag) + length, TSpanKind::skOpenTag});
        m_pos = int32_t(tag) + length;
        m_inHtml = false;
        return;
    }
}

void TPHPLexer::scanPhp(QList<TSpan> &spans)
{
    const int32_t n = int32_t(m_text.size());
    const QChar *text = m_text.data();
    int32_t i = m_pos;
    while (i < n) {
        const char16_t c = text[i].unicode();
        int32_t end = -1;
        TSpanKind kind = TSpanKind::skString;
        switch (c) {
        case u'\'':
        case u'"':
        case u'`':
            end = scanQuoted(i, c);
            break;
        case u'/':
            if (at(i + 1) == u'/') {
                end = scanLineComment(i);
                kind = TSpanKind::skLineComment;
            } else if (at(i + 1) == u'*') {
                end = scanBlockComment(i);
                kind = TSpanKind::skBlockComment;
            }
            break;
        case u'#':
            if (at(i + 1) != u'[') { // "#[" opens an attribute
                end = scanLineComment(i);
                kind = TSpanKind::skLineComment;
            }
            break;
        case u'<':
            if (at(i + 1) == u'<' && at(i + 2) == u'<')
                end = scanHeredoc(i);
            break;
        case u'?':
            if (at(i + 1) == u'>') {
                end = i + 2;
                kind = TSpanKind::skCloseTag;
                m_inHtml = true;
            }
            break;
        default:
            break;
        }
        if (end >= 0) {
            spans.append({i, end, kind});
            m_pos = end;
            return;
        }
        ++i;
    }
    m_pos = n;
}

int32_t TPHPLexer::scanQuoted(int32_t start, char16_t quote)
{
    const int32_t n = int32_t(m_text.size());
    int32_t i = start + 1;
    while (i < n) {
        const char16_t c = m_text[i].unicode();
        if (c == u'\\')
            i += 2;
        else if (c == quote)
            return i + 1;
        else if (quote != u'\'' && c == u'{' && at(i + 1) == u'$')
            i = scanInterpolation(i);
        else if (quote != u'\'' && c == u'$' && at(i + 1) == u'{')
            i = scanInterpolation(i + 1);
        else
            ++i;
    }
    return n;
}

int32_t TPHPLexer::scanInterpolation(int32_t braceAt)
{
    return scanCodeUntilBrace(braceAt + 1);
}

int32_t TPHPLexer::scanCodeUntilBrace(int32_t from)
{
    const int32_t n = int32_t(m_text.size());
    int depth = 1;
    int32_t i = from;
    while (i < n) {
        const char16_t c = m_text[i].unicode();
        if (c == u'{') {
            ++depth;
        } else if (c == u'}') {
            if (--depth == 0)
                return i + 1;
        } else if (c == u'\'' || c == u'"' || c == u'`') {
            i = scanQuoted(i, c);
            continue;
        } else if (c == u'/' && at(i + 1) == u'*') {
            i = scanBlockComment(i);
            continue;
        }
        ++i;
    }
    return n;
}

int32_t TPHPLexer::scanLineComment(int32_t start)
{
    const int32_t n = int32_t(m_text.size());
    int32_t i = start;
    while (i < n) {
        const char16_t c = m_text[i].unicode();
        if (isLineBreak(c) || (c == u'?' && at(i + 1) == u'>'))
            return i;
        ++i;
    }
    return n;
}

int32_t TPHPLexer::scanBlockComment(int32_t start)
{
    const qsizetype close = m_text.indexOf(QLatin1String("*/"), start + 2);
    return close < 0 ? int32_t(m_text.size()) : int32_t(close) + 2;
}

int32_t TPHPLexer::scanHeredoc(int32_t start)
{
    const int32_t n = int32_t(m_text.size());
    int32_t i = start + 3;
    while (at(i) == u' ' || at(i) == u'\t')
        ++i;
    const char16_t quote = (at(i) == u'\'' || at(i) == u'"') ? at(i) : 0;
    if (quote)
        ++i;
    if (!IsIdentStart(at(i)))
        return -1;
    const int32_t labelStart = i;
    while (IsIdentChar(at(i)))
        ++i;
    const QStringView label = m_text.mid(labelStart, i - labelStart);
    if (quote && at(i++) != quote)
        return -1;
    if (at(i) == u'\r')
        ++i;
    if (at(i) != u'\n')
        return -1;
    ++i;
    const bool nowdoc = quote == u'\'';
    while (i < n) {
        // i is at a line start: the closing label may be indented.
        int32_t q = i;
        while (at(q) == u' ' || at(q) == u'\t')
            ++q;
        if (m_text.mid(q).startsWith(label) && !IsIdentChar(at(q + label.size())))
            return q + int32_t(label.size());
        while (i < n && m_text[i] != u'\n') {
            const char16_t c = m_text[i].unicode();
            if (!nowdoc && c == u'\\' && at(i + 1) != u'\n')
                i += 2;
            else if (!nowdoc && c == u'{' && at(i + 1) == u'$')
                i = scanInterpolation(i);
            else if (!nowdoc && c == u'$' && at(i + 1) == u'{')
                i = scanInterpolation(i + 1);
            else
                ++i;
        }
        ++i;
    }
    return n;
}

QString TPHPLexer::CodeMask(QStringView text, bool startsInHtml, QList<TSpan> *spans)
{
    QList<TSpan> own;
    QList<TSpan> &list = spans ? *spans : own;
    TPHPLexer lexer(text, startsInHtml);
    lexer.Scan(int32_t(text.size()), list);
    QString mask = text.toString();
    QChar *out = mask.data();
    for (const TSpan &span : list) {
        if (span.Kind == TSpanKind::skCloseTag) {
            out[span.Start] = u';';
            out[span.Start + 1] = u' ';
            continue;
        }
        const int32_t end = std::min<int32_t>(span.End, int32_t(mask.size()));
        for (int32_t i = span.Start; i < end; ++i)
            if (!isLineBreak(out[i].unicode()))
                out[i] = u' ';
    }
    return mask;
}
