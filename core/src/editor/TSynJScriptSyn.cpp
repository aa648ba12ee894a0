#include "editor/TSynJScriptSyn.h"

namespace {

const char *const kJsKeywords =
    "async await break case catch class const continue debugger default delete do else export extends "
    "false finally for function if import in instanceof let new null of return static super switch this "
    "throw true try typeof undefined var void while with yield get set";

// After these words a '/' starts a regular expression, not a division.
bool wordAllowsRegex(QStringView word)
{
    static const TSynKeywords words("return typeof instanceof in of new delete void throw case do else yield await",
                                    Qt::CaseSensitive);
    return words.contains(word);
}

} // namespace

TSynJScriptSyn::TSynJScriptSyn()
    : TSynLineHighlighter(QStringLiteral("javascript"), QStringLiteral("Java Script")),
      m_keywords(kJsKeywords, Qt::CaseSensitive)
{
    m_text = addAttribute(QStringLiteral("Text"), QColor(0x20, 0x20, 0x20));
    m_comment = addAttribute(QStringLiteral("Comment"), QColor(0x80, 0x80, 0x80), fsItalic);
    m_identifier = addAttribute(QStringLiteral("Identifier"), QColor(0x00, 0x00, 0x00));
    m_keyword = addAttribute(QStringLiteral("Keyword"), QColor(0x00, 0x00, 0xa0), fsBold);
    m_number = addAttribute(QStringLiteral("Number"), QColor(0x80, 0x00, 0x80));
    m_string = addAttribute(QStringLiteral("String"), QColor(0xb0, 0x30, 0x00));
    m_template = addAttribute(QStringLiteral("Template"), QColor(0x90, 0x50, 0x00));
    m_regex = addAttribute(QStringLiteral("RegExp"), QColor(0x00, 0x70, 0x30));
    m_symbol = addAttribute(QStringLiteral("Symbol"), QColor(0x40, 0x40, 0x40));
}

void TSynJScriptSyn::tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const
{
    TSynLineScanner s(line);
    bool regexAllowed = !(range.flags & RegexBarredFlag);
    while (!s.atEnd()) {
        switch (range.kind) {
        case rkComment: scanComment(s, range, out); break;
        case rkLineComment:
            out.add(s.pos(), s.size() - s.pos(), m_comment);
            s.skipToEnd();
            break;
        case rkTemplate: scanTemplate(s, range, out); break;
        case rkDoubleString:
        case rkSingleString: scanString(s, range, out); break;
        default: scanCode(s, range, out, regexAllowed); break;
        }
    }
    range.flags = regexAllowed ? quint16(range.flags & ~RegexBarredFlag) : quint16(range.flags | RegexBarredFlag);
}

void TSynJScriptSyn::scanCode(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out,
                              bool &regexAllowed) const
{
    const int start = s.pos();
    const QChar c = s.current();
    if (c.isSpace()) {
        s.skipWhitespace();
        out.add(start, s.pos() - start, m_text);
        return;
    }
    bool nextAllowsRegex = false;
    if (s.lookingAt(u"//")) {
        range.kind = rkLineComment;
        s.skipToEnd();
        out.add(start, s.pos() - start, m_comment);
    } else if (s.lookingAt(u"/*")) {
        range.kind = rkComment;
        s.advance(2);
        out.add(start, 2, m_comment);
        nextAllowsRegex = regexAllowed;
    } else if (c == u'/' && regexAllowed && scanRegex(s, out)) {
    } else if (c == u'"' || c == u'\'') {
        range.kind = c == u'"' ? rkDoubleString : rkSingleString;
        s.advance();
        out.add(start, 1, m_string);
    } else if (c == u'`') {
        range.kind = rkTemplate;
        s.advance();
        out.add(start, 1, m_template);
    } else if (c.isDigit() || (c == u'.' && s.peek().isDigit())) {
        s.scanNumber();
        s.scanIdentifier(); // BigInt suffix "n"
        out.add(start, s.pos() - start, m_number);
    } else if (TSynLineScanner::isIdentStart(c) || c == u'$') {
        s.scanIdentifier(u"$");
        const QStringView word = s.text(start, s.pos());
        const bool keyword = m_keywords.contains(word);
        out.add(start, s.pos() - start, keyword ? m_keyword : m_identifier);
        nextAllowsRegex = keyword && wordAllowsRegex(word);
    } else if (c == u'{' || c == u'}') {
        scanBrace(s, range, out);
        nextAllowsRegex = true;
    } else {
        s.advance();
        out.add(start, 1, m_symbol);
        nextAllowsRegex = c != u')' && c != u']';
    }
    regexAllowed = nextAllowsRegex;
}

void TSynJScriptSyn::scanBrace(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const bool open = s.current() == u'{';
    s.advance();
    if (range.label.isEmpty()) {
        open ? out.openFold() : out.closeFold();
        out.add(start, 1, m_symbol);
        return;
    }
    // Inside a template substitution: the brace that closes "${" returns to
    // the template text.
    QChar &top = range.label.back();
    if (open) {
        top = QChar(top.unicode() + 1);
    } else if (top.unicode() > 0) {
        top = QChar(top.unicode() - 1);
    } else {
        range.label.chop(1);
        range.kind = rkTemplate;
        out.add(start, 1, m_template);
        return;
    }
    out.add(start, 1, m_symbol);
}

bool TSynJScriptSyn::scanRegex(TSynLineScanner &s, TSynLineOutput &out) const
{
    const int start = s.pos();
    bool inClass = false;
    for (int i = start + 1; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == u'\\') {
            ++i;
        } else if (c == u'[') {
            inClass = true;
        } else if (c == u']') {
            inClass = false;
        } else if (c == u'/' && !inClass) {
            s.setPos(i + 1);
            s.scanIdentifier(); // flags
            out.add(start, s.pos() - start, m_regex);
            return true;
        }
    }
    return false;
}

void TSynJScriptSyn::scanComment(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const int close = s.find(u"*/");
    const int end = close < 0 ? s.size() : close + 2;
    out.add(start, end - start, m_comment);
    s.setPos(end);
    if (close >= 0)
        range.kind = rkCode;
}

void TSynJScriptSyn::scanString(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    bool continues = false;
    const bool closed = s.scanQuoted(range.kind == rkDoubleString ? u'"' : u'\'', true, &continues);
    out.add(start, s.pos() - start, m_string);
    range.flags = continues ? quint16(range.flags | ContinuedFlag) : quint16(range.flags & ~ContinuedFlag);
    if (closed)
        range.kind = rkCode;
}

void TSynJScriptSyn::endLine(TSynRange &range) const
{
    // A line comment ends with the line, and so does a string unless a
    // backslash continues it.
    const bool string = range.kind == rkDoubleString || range.kind == rkSingleString;
    if (range.kind == rkLineComment || (string && !(range.flags & ContinuedFlag)))
        range.kind = rkCode;
    range.flags &= quint16(~(ContinuedFlag | RegexBarredFlag));
}

void TSynJScriptSyn::scanTemplate(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    while (!s.atEnd()) {
        const QChar c = s.current();
        if (c == u'\\') {
            s.advance(2);
        } else if (c == u'`') {
            s.advance();
            range.kind = rkCode;
            break;
        } else if (c == u'$' && s.peek() == u'{') {
            s.advance(2);
            range.label.append(QChar(0));
            range.kind = rkCode;
            break;
        } else {
            s.advance();
        }
    }
    out.add(start, s.pos() - start, m_template);
}
