#include "editor/TSynGeneralSyn.h"

#include "editor/TSynLineScanner.h"

TSynGeneralSyn::TSynGeneralSyn() : TSynLineHighlighter(QStringLiteral("general"), QStringLiteral("General"))
{
    m_text = addAttribute(QStringLiteral("Text"), QColor(0x20, 0x20, 0x20));
    m_identifier = addAttribute(QStringLiteral("Identifier"), QColor(0x00, 0x00, 0x00));
    m_number = addAttribute(QStringLiteral("Number"), QColor(0x80, 0x00, 0x80));
    m_string = addAttribute(QStringLiteral("String"), QColor(0xb0, 0x30, 0x00));
    m_symbol = addAttribute(QStringLiteral("Symbol"), QColor(0x40, 0x40, 0x40));
}

void TSynGeneralSyn::tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const
{
    range = {};
    TSynLineScanner s(line);
    while (!s.atEnd()) {
        const int start = s.pos();
        const QChar c = s.current();
        const TSynHighlighterAttributes *attribute = m_symbol;
        if (c.isSpace()) {
            s.skipWhitespace();
            attribute = m_text;
        } else if (c.isDigit()) {
            s.scanNumber();
            attribute = m_number;
        } else if (c == u'"' || c == u'\'') {
            s.advance();
            s.scanQuoted(c, true);
            attribute = m_string;
        } else if (TSynLineScanner::isIdentStart(c)) {
            s.scanIdentifier();
            attribute = m_identifier;
        } else {
            s.advance();
        }
        out.add(start, s.pos() - start, attribute);
    }
}
