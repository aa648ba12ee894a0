#include "editor/TSynCssSyn.h"

namespace {

// Levels beyond this count as holding declarations; the flag bits above
// them mark open comments and strings.
constexpr int MaxRuleLevels = 13;
constexpr quint16 StringFlags = TSynCssSyn::DoubleStringFlag | TSynCssSyn::SingleStringFlag;

bool levelHoldsRules(const TSynRange &range, int level)
{
    return level == 0 || (level <= MaxRuleLevels && (range.flags & (1u << (level - 1))) != 0);
}

} // namespace

TSynCssSyn::TSynCssSyn() : TSynLineHighlighter(QStringLiteral("css"), QStringLiteral("CSS"))
{
    m_text = addAttribute(QStringLiteral("Text"), QColor(0x20, 0x20, 0x20));
    m_comment = addAttribute(QStringLiteral("Comment"), QColor(0x80, 0x80, 0x80), fsItalic);
    m_selector = addAttribute(QStringLiteral("Selector"), QColor(0x80, 0x00, 0x00), fsBold);
    m_property = addAttribute(QStringLiteral("Property"), QColor(0x00, 0x00, 0xa0));
    m_value = addAttribute(QStringLiteral("Value"), QColor(0x00, 0x60, 0x60));
    m_number = addAttribute(QStringLiteral("Number"), QColor(0x80, 0x00, 0x80));
    m_string = addAttribute(QStringLiteral("String"), QColor(0xb0, 0x30, 0x00));
    m_atRule = addAttribute(QStringLiteral("AtRule"), QColor(0x70, 0x00, 0x90), fsBold);
    m_symbol = addAttribute(QStringLiteral("Symbol"), QColor(0x40, 0x40, 0x40));
}

void TSynCssSyn::tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const
{
    TSynLineScanner s(line);
    while (!s.atEnd()) {
        if (range.flags & CommentFlag)
            scanComment(s, range, out);
        else if (range.flags & StringFlags)
            scanString(s, range, out, s.pos());
        else
            scanToken(s, range, out);
    }
}

void TSynCssSyn::endLine(TSynRange &range) const
{
    range.flags &= quint16(~StringFlags);
}

void TSynCssSyn::scanString(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out, int start) const
{
    if (s.scanQuoted(range.flags & DoubleStringFlag ? u'"' : u'\'', true))
        range.flags &= quint16(~StringFlags);
    out.add(start, s.pos() - start, m_string);
}

void TSynCssSyn::scanComment(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const int close = s.find(u"*/");
    const int end = close < 0 ? s.size() : close + 2;
    out.add(start, end - start, m_comment);
    s.setPos(end);
    if (close >= 0)
        range.flags &= ~CommentFlag;
}

void TSynCssSyn::openBlock(TSynRange &range) const
{
    const bool rules = range.kind == rkAtRule && levelHoldsRules(range, range.depth) && range.label == u"nest";
    if (range.depth < 255)
        ++range.depth;
    if (range.depth <= MaxRuleLevels) {
        const quint16 bit = quint16(1u << (range.depth - 1));
        range.flags = rules ? (range.flags | bit) : (range.flags & ~bit);
    }
    range.label.clear();
    range.kind = rules ? rkSelector : rkProperty;
}

void TSynCssSyn::closeBlock(TSynRange &range) const
{
    if (range.depth > 0)
        --range.depth;
    range.kind = levelHoldsRules(range, range.depth) ? rkSelector : rkProperty;
}

const TSynHighlighterAttributes *TSynCssSyn::wordAttribute(const TSynRange &range) const
{
    switch (range.kind) {
    case rkProperty: return m_property;
    case rkValue: return m_value;
    case rkAtRule: return m_value;
    default: return m_selector;
    }
}

void TSynCssSyn::scanToken(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const QChar c = s.current();
    if (c.isSpace()) {
        s.skipWhitespace();
        out.add(start, s.pos() - start, m_text);
    } else if (s.lookingAt(u"/*")) {
        range.flags |= CommentFlag;
        s.advance(2);
        out.add(start, 2, m_comment);
    } else if (c == u'"' || c == u'\'') {
        s.advance();
        range.flags |= c == u'"' ? DoubleStringFlag : SingleStringFlag;
        scanString(s, range, out, start);
    } else if (c == u'@') {
        s.advance();
        s.scanIdentifier(u"-");
        const QStringView word = s.text(start + 1, s.pos());
        // Blocks of these at-rules hold rules; the others hold declarations.
        static const TSynKeywords nesting("media supports document container layer scope", Qt::CaseInsensitive);
        range.label = nesting.contains(word) ? QStringLiteral("nest") : QString();
        range.kind = rkAtRule;
        out.add(start, s.pos() - start, m_atRule);
    } else if (c == u'!' && range.kind == rkValue) {
        s.advance();
        s.scanIdentifier();
        out.add(start, s.pos() - start, m_atRule);
    } else if ((c.isDigit() || (c == u'.' && s.peek().isDigit())
                || ((c == u'-' || c == u'+') && (s.peek().isDigit() || s.peek() == u'.')))
               && range.kind != rkSelector) {
        if (!c.isDigit() && c != u'.')
            s.advance();
        s.scanNumber();
        s.scanIdentifier(u"%");
        out.add(start, s.pos() - start, m_number);
    } else if (c == u'#' && range.kind == rkValue) {
        s.advance();
        s.scanIdentifier();
        out.add(start, s.pos() - start, m_number);
    } else if (TSynLineScanner::isIdentStart(c) || c == u'-' || ((c == u'.' || c == u'#') && range.kind == rkSelector)) {
        s.advance();
        s.scanIdentifier(u"-");
        out.add(start, s.pos() - start, wordAttribute(range));
    } else {
        s.advance();
        out.add(start, 1, m_symbol);
        if (c == u'{') {
            out.openFold();
            openBlock(range);
        } else if (c == u'}') {
            out.closeFold();
            closeBlock(range);
        } else if (c == u':' && range.kind == rkProperty) {
            range.kind = rkValue;
        } else if (c == u';') {
            range.kind = levelHoldsRules(range, range.depth) ? rkSelector : rkProperty;
            range.label.clear();
        }
    }
}
