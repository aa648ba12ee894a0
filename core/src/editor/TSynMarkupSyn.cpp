#include "editor/TSynMarkupSyn.h"

namespace {

// Elements without end tag, or whose end tag may be left out: they never fold.
const TSynKeywords &htmlNonFolding()
{
    static const TSynKeywords words(
        "area base br col embed hr img input link meta param source track wbr p li dt dd option optgroup tr "
        "td th thead tbody tfoot colgroup rt rp caption",
        Qt::CaseInsensitive);
    return words;
}

} // namespace

TSynMarkupSyn::TSynMarkupSyn(const TSynMarkupDialect &dialect)
    : TSynLineHighlighter(dialect.name, dialect.longName), m_dialect(dialect)
{
    m_text = addAttribute(QStringLiteral("Text"), QColor(0x20, 0x20, 0x20));
    m_comment = addAttribute(QStringLiteral("Comment"), QColor(0x80, 0x80, 0x80), fsItalic);
    m_element = addAttribute(dialect.elementAttributeName, QColor(0x00, 0x00, 0x80), fsBold);
    m_attributeName = addAttribute(QStringLiteral("Attribute"), QColor(0x80, 0x00, 0x80));
    m_value = addAttribute(QStringLiteral("Value"), QColor(0x00, 0x00, 0xff));
    m_symbol = addAttribute(QStringLiteral("Symbol"), QColor(0x00, 0x00, 0x80));
    m_entity = addAttribute(QStringLiteral("Entity"), QColor(0x80, 0x40, 0x00));
    m_cdata = addAttribute(QStringLiteral("CDATA"), QColor(0x00, 0x60, 0x00));
    m_processing = addAttribute(QStringLiteral("Processing"), QColor(0xc0, 0x00, 0x00));
}

void TSynMarkupSyn::tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const
{
    TSynLineScanner s(line);
    while (!s.atEnd()) {
        switch (range.kind) {
        case rkComment: scanUntil(s, range, out, u"-->", m_comment); break;
        case rkCData: scanUntil(s, range, out, u"]]>", m_cdata); break;
        case rkProcessing: scanUntil(s, range, out, u"?>", m_processing); break;
        case rkDeclaration: scanUntil(s, range, out, u">", m_processing); break;
        case rkTag: scanInTag(s, range, out); break;
        case rkAfterEquals:
        case rkDoubleValue:
        case rkSingleValue: scanValue(s, range, out); break;
        case rkRawText: scanRawText(s, range, out); break;
        default: scanText(s, range, out); break;
        }
    }
}

void TSynMarkupSyn::scanText(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const QChar c = s.current();
    if (c == u'<') {
        if (s.lookingAt(u"<!--")) {
            s.advance(4);
            out.add(start, 4, m_comment);
            range.kind = rkComment;
        } else if (s.lookingAt(u"<![CDATA[")) {
            s.advance(9);
            out.add(start, 9, m_cdata);
            range.kind = rkCData;
        } else if (s.lookingAt(u"<?")) {
            s.advance(2);
            out.add(start, 2, m_processing);
            range.kind = rkProcessing;
        } else if (s.lookingAt(u"<!")) {
            s.advance(2);
            out.add(start, 2, m_processing);
            range.kind = rkDeclaration;
        } else if (TSynLineScanner::isIdentStart(s.peek()) || (s.peek() == u'/' && TSynLineScanner::isIdentStart(s.peek(2)))) {
            scanTagOpen(s, range, out);
        } else {
            s.advance();
            out.add(start, 1, m_text);
        }
        return;
    }
    if (c == u'&') {
        int i = start + 1;
        if (s.at(i) == u'#')
            ++i;
        while (s.at(i).isLetterOrNumber())
            ++i;
        if (s.at(i) == u';' && i > start + 1) {
            s.setPos(i + 1);
            out.add(start, s.pos() - start, m_entity);
            return;
        }
    }
    s.advance();
    while (!s.atEnd() && s.current() != u'<' && s.current() != u'&')
        s.advance();
    out.add(start, s.pos() - start, m_text);
}

void TSynMarkupSyn::scanTagOpen(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const bool closing = s.peek() == u'/';
    s.advance(closing ? 2 : 1);
    out.add(start, s.pos() - start, m_symbol);
    const int nameStart = s.pos();
    s.scanIdentifier(u"-:.");
    const QStringView name = s.text(nameStart, s.pos());
    out.add(nameStart, s.pos() - nameStart, m_element);
    range.kind = rkTag;
    range.flags = quint16((closing ? tfClosing : 0) | (elementFolds(name) ? tfFolds : 0));
    // Remember script/style so that their content is not read as markup.
    const bool raw = m_dialect.htmlRules && !closing
                     && (name.compare(u"script", Qt::CaseInsensitive) == 0
                         || name.compare(u"style", Qt::CaseInsensitive) == 0);
    range.label = raw ? name.toString().toLower() : QString();
}

bool TSynMarkupSyn::elementFolds(QStringView name) const
{
    return !(m_dialect.htmlRules && htmlNonFolding().contains(name));
}

void TSynMarkupSyn::finishTag(TSynRange &range, bool selfClosing, TSynLineOutput &out) const
{
    if (range.flags & tfFolds && !selfClosing)
        (range.flags & tfClosing) ? out.closeFold() : out.openFold();
    range.flags = 0;
    range.kind = !range.label.isEmpty() && !selfClosing ? rkRawText : rkText;
    if (range.kind == rkText)
        range.label.clear();
}

void TSynMarkupSyn::scanInTag(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const QChar c = s.current();
    if (c.isSpace()) {
        s.skipWhitespace();
        out.add(start, s.pos() - start, m_text);
    } else if (c == u'>' || s.lookingAt(u"/>")) {
        const bool selfClosing = c == u'/';
        s.advance(selfClosing ? 2 : 1);
        out.add(start, s.pos() - start, m_symbol);
        finishTag(range, selfClosing, out);
    } else if (c == u'=') {
        s.advance();
        out.add(start, 1, m_symbol);
        range.kind = rkAfterEquals;
    } else if (c == u'<') {
        // A tag left open: start over with the new one.
        range.kind = rkText;
        range.flags = 0;
        range.label.clear();
    } else {
        while (!s.atEnd() && !s.current().isSpace() && !QStringView(u"=>/<").contains(s.current()))
            s.advance();
        if (s.pos() == start)
            s.advance();
        out.add(start, s.pos() - start, m_attributeName);
    }
}

void TSynMarkupSyn::scanValue(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    if (range.kind == rkAfterEquals) {
        const QChar c = s.current();
        if (c.isSpace()) {
            s.skipWhitespace();
            out.add(start, s.pos() - start, m_text);
            return;
        }
        if (c == u'"' || c == u'\'') {
            range.kind = c == u'"' ? rkDoubleValue : rkSingleValue;
            s.advance();
        } else {
            while (!s.atEnd() && !s.current().isSpace() && s.current() != u'>')
                s.advance();
            out.add(start, s.pos() - start, m_value);
            range.kind = rkTag;
            return;
        }
    }
    const QChar quote = range.kind == rkDoubleValue ? u'"' : u'\'';
    if (s.scanQuoted(quote, false))
        range.kind = rkTag;
    out.add(start, s.pos() - start, m_value);
}

void TSynMarkupSyn::scanUntil(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out, QStringView close,
                              const TSynHighlighterAttributes *attribute) const
{
    const int start = s.pos();
    const int found = s.find(close);
    const int end = found < 0 ? s.size() : found + int(close.size());
    out.add(start, end - start, attribute);
    s.setPos(end);
    if (found >= 0)
        range.kind = rkText;
}

void TSynMarkupSyn::scanRawText(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const QString close = QStringLiteral("</") + range.label;
    const int found = s.find(close, Qt::CaseInsensitive);
    const int end = found < 0 ? s.size() : found;
    out.add(start, end - start, m_text);
    s.setPos(end);
    if (found >= 0) {
        range.kind = rkText;
        range.label.clear();
    }
}
