#include "editor/TSynSQLSyn.h"

namespace {

const char *const kSqlKeywords =
    "add all alter and any as asc auto_increment begin between by case check column commit constraint create "
    "cross database default delete desc distinct drop else end exists foreign from full group having if in "
    "index inner insert into is join key left like limit not null offset on or order outer primary "
    "references replace right rollback select set table then to transaction truncate union unique update "
    "using values view when where with";
const char *const kSqlFunctions =
    "avg coalesce concat count curdate current_date current_timestamp date_format ifnull length lower max "
    "min now round substring sum trim upper";
const char *const kSqlTypes =
    "bigint binary bit blob bool boolean char date datetime decimal double enum float int integer json "
    "longtext mediumint mediumtext numeric real smallint text time timestamp tinyint tinytext varbinary "
    "varchar year";

} // namespace

TSynSQLSyn::TSynSQLSyn()
    : TSynLineHighlighter(QStringLiteral("sql"), QStringLiteral("SQL")),
      m_keywords(kSqlKeywords, Qt::CaseInsensitive),
      m_functions(kSqlFunctions, Qt::CaseInsensitive),
      m_types(kSqlTypes, Qt::CaseInsensitive)
{
    m_text = addAttribute(QStringLiteral("Text"), QColor(0x20, 0x20, 0x20));
    m_comment = addAttribute(QStringLiteral("Comment"), QColor(0x80, 0x80, 0x80), fsItalic);
    m_keyword = addAttribute(QStringLiteral("Keyword"), QColor(0x00, 0x00, 0xa0), fsBold);
    m_function = addAttribute(QStringLiteral("Function"), QColor(0x80, 0x00, 0x80));
    m_dataType = addAttribute(QStringLiteral("DataType"), QColor(0x00, 0x60, 0x60), fsBold);
    m_identifier = addAttribute(QStringLiteral("Identifier"), QColor(0x00, 0x00, 0x00));
    m_number = addAttribute(QStringLiteral("Number"), QColor(0x80, 0x00, 0x80));
    m_string = addAttribute(QStringLiteral("String"), QColor(0xb0, 0x30, 0x00));
    m_variable = addAttribute(QStringLiteral("Variable"), QColor(0x00, 0x70, 0x70));
    m_symbol = addAttribute(QStringLiteral("Symbol"), QColor(0x40, 0x40, 0x40));
}

void TSynSQLSyn::tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const
{
    TSynLineScanner s(line);
    while (!s.atEnd()) {
        if (range.kind == rkCode)
            scanCode(s, range, out);
        else
            scanOpen(s, range, out);
    }
}

void TSynSQLSyn::scanOpen(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    if (range.kind == rkComment) {
        const int close = s.find(u"*/");
        s.setPos(close < 0 ? s.size() : close + 2);
        out.add(start, s.pos() - start, m_comment);
        if (close >= 0)
            range.kind = rkCode;
        return;
    }
    const QChar quote = range.kind == rkSingle ? u'\'' : range.kind == rkDouble ? u'"' : u'`';
    const bool closed = s.scanQuoted(quote, range.kind != rkBacktick);
    out.add(start, s.pos() - start, range.kind == rkBacktick ? m_identifier : m_string);
    if (closed)
        range.kind = rkCode;
}

void TSynSQLSyn::scanCode(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const QChar c = s.current();
    if (c.isSpace()) {
        s.skipWhitespace();
        out.add(start, s.pos() - start, m_text);
    } else if (s.lookingAt(u"--") || c == u'#') {
        s.skipToEnd();
        out.add(start, s.pos() - start, m_comment);
    } else if (s.lookingAt(u"/*")) {
        s.advance(2);
        out.add(start, 2, m_comment);
        range.kind = rkComment;
    } else if (c == u'\'' || c == u'"' || c == u'`') {
        range.kind = c == u'\'' ? rkSingle : c == u'"' ? rkDouble : rkBacktick;
        s.advance();
        out.add(start, 1, c == u'`' ? m_identifier : m_string);
    } else if (c.isDigit() || (c == u'.' && s.peek().isDigit())) {
        s.scanNumber();
        out.add(start, s.pos() - start, m_number);
    } else if ((c == u'@' || c == u':') && TSynLineScanner::isIdentStart(s.peek())) {
        s.advance();
        s.scanIdentifier();
        out.add(start, s.pos() - start, m_variable);
    } else if (TSynLineScanner::isIdentStart(c)) {
        s.scanIdentifier();
        const QStringView word = s.text(start, s.pos());
        const TSynHighlighterAttributes *attribute = m_keywords.contains(word)    ? m_keyword
                                                     : m_types.contains(word)     ? m_dataType
                                                     : m_functions.contains(word) ? m_function
                                                                                  : m_identifier;
        out.add(start, s.pos() - start, attribute);
    } else {
        if (c == u'(')
            out.openFold();
        else if (c == u')')
            out.closeFold();
        s.advance();
        out.add(start, 1, m_symbol);
    }
}
