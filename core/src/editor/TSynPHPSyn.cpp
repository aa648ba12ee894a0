#include "editor/TSynPHPSyn.h"

namespace {

const char *const kPhpKeywords =
    "abstract and array as break callable case catch class clone const continue declare default die do echo "
    "else elseif empty enddeclare endfor endforeach endif endswitch endwhile enum eval exit extends final "
    "finally fn for foreach function global goto if implements include include_once instanceof insteadof "
    "interface isset list match namespace new or print private protected public readonly require "
    "require_once return static switch throw trait try unset use var while xor yield true false null self "
    "parent __class__ __dir__ __file__ __function__ __line__ __method__ __namespace__ __trait__";

bool isLabelChar(QChar c)
{
    return TSynLineScanner::isIdentChar(c);
}

} // namespace

TSynPHPSyn::TSynPHPSyn()
    : TSynLineHighlighter(QStringLiteral("php"), QStringLiteral("PHP")),
      m_keywords(kPhpKeywords, Qt::CaseInsensitive)
{
    m_text = addAttribute(QStringLiteral("Text"), QColor(0x20, 0x20, 0x20));
    m_comment = addAttribute(QStringLiteral("Comment"), QColor(0x80, 0x80, 0x80), fsItalic);
    m_docComment = addAttribute(QStringLiteral("Documentation"), QColor(0x3f, 0x7f, 0x5f), fsItalic);
    m_identifier = addAttribute(QStringLiteral("Identifier"), QColor(0x00, 0x00, 0x00));
    m_keyword = addAttribute(QStringLiteral("Keyword"), QColor(0x00, 0x00, 0xa0), fsBold);
    m_number = addAttribute(QStringLiteral("Number"), QColor(0x80, 0x00, 0x80));
    m_string = addAttribute(QStringLiteral("String"), QColor(0xb0, 0x30, 0x00));
    m_variable = addAttribute(QStringLiteral("Variable"), QColor(0x00, 0x70, 0x70));
    m_symbol = addAttribute(QStringLiteral("Symbol"), QColor(0x40, 0x40, 0x40));
    m_tag = addAttribute(QStringLiteral("Tag"), QColor(0xc0, 0x00, 0x00), fsBold);
}

void TSynPHPSyn::tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const
{
    TSynLineScanner s(line);
    // A heredoc's closing label may only stand at the start of a line.
    if (range.kind == rkHeredoc || range.kind == rkNowdoc)
        scanDoc(s, range, out);
    while (!s.atEnd()) {
        switch (range.kind) {
        case rkComment:
        case rkDocComment: scanComment(s, range, out); break;
        case rkString:
        case rkSingle:
        case rkBacktick: scanString(s, range, out); break;
        case rkHeredoc: addInterpolated(s, s.pos(), s.size(), out); s.skipToEnd(); break;
        case rkNowdoc: out.add(s.pos(), s.size() - s.pos(), m_string); s.skipToEnd(); break;
        case rkInline: scanInline(s, range, out); break;
        default: scanCode(s, range, out); break;
        }
    }
}

void TSynPHPSyn::scanCode(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const QChar c = s.current();
    if (c.isSpace()) {
        s.skipWhitespace();
        out.add(start, s.pos() - start, m_text);
    } else if (s.lookingAt(u"/*")) {
        range.kind = s.lookingAt(u"/**") && s.peek(3) != u'/' ? rkDocComment : rkComment;
        s.advance(2);
        out.add(start, 2, range.kind == rkDocComment ? m_docComment : m_comment);
        scanComment(s, range, out);
    } else if (s.lookingAt(u"//") || (c == u'#' && s.peek() != u'[')) {
        scanLineComment(s, range, out);
    } else if (c == u'"' || c == u'\'' || c == u'`') {
        range.kind = c == u'"' ? rkString : c == u'\'' ? rkSingle : rkBacktick;
        s.advance();
        out.add(start, 1, m_string);
        scanString(s, range, out);
    } else if (s.lookingAt(u"<<<") && scanHeredocStart(s, range, out)) {
    } else if (s.lookingAt(u"?>")) {
        s.advance(2);
        out.add(start, 2, m_tag);
        range.kind = rkInline;
    } else if (s.lookingAt(u"<?php", Qt::CaseInsensitive) || s.lookingAt(u"<?=")) {
        s.advance(s.lookingAt(u"<?=") ? 3 : 5);
        out.add(start, s.pos() - start, m_tag);
    } else if (c == u'$' && TSynLineScanner::isIdentStart(s.peek())) {
        s.advance();
        s.scanIdentifier();
        out.add(start, s.pos() - start, m_variable);
    } else if (c.isDigit() || (c == u'.' && s.peek().isDigit())) {
        s.scanNumber();
        out.add(start, s.pos() - start, m_number);
    } else if (TSynLineScanner::isIdentStart(c) || c == u'\\') {
        scanWord(s, out);
    } else {
        if (c == u'{')
            out.openFold();
        else if (c == u'}')
            out.closeFold();
        s.advance();
        out.add(start, 1, m_symbol);
    }
}

void TSynPHPSyn::scanWord(TSynLineScanner &s, TSynLineOutput &out) const
{
    const int start = s.pos();
    s.scanIdentifier(u"\\");
    const QStringView word = s.text(start, s.pos());
    out.add(start, int(word.size()), m_keywords.contains(word) ? m_keyword : m_identifier);
}

void TSynPHPSyn::scanLineComment(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    // PHP ends a one-line comment at "?>", which closes the PHP block.
    const int start = s.pos();
    const int close = s.find(u"?>");
    const int end = close < 0 ? s.size() : close;
    out.add(start, end - start, m_comment);
    s.setPos(end);
    if (close >= 0) {
        s.advance(2);
        out.add(close, 2, m_tag);
        range.kind = rkInline;
    }
}

void TSynPHPSyn::scanComment(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const int close = s.find(u"*/");
    const int end = close < 0 ? s.size() : close + 2;
    out.add(start, end - start, range.kind == rkDocComment ? m_docComment : m_comment);
    s.setPos(end);
    if (close >= 0)
        range.kind = rkCode;
}

void TSynPHPSyn::scanString(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const QChar quote = range.kind == rkString ? u'"' : range.kind == rkSingle ? u'\'' : u'`';
    const int start = s.pos();
    const bool closed = s.scanQuoted(quote, true);
    if (range.kind == rkSingle)
        out.add(start, s.pos() - start, m_string);
    else
        addInterpolated(s, start, s.pos(), out);
    if (closed)
        range.kind = rkCode;
}

void TSynPHPSyn::addInterpolated(TSynLineScanner &s, int from, int to, TSynLineOutput &out) const
{
    int runStart = from;
    for (int i = from; i < to; ++i) {
        const QChar c = s.at(i);
        if (c == u'\\') {
            ++i;
            continue;
        }
        if (c != u'$' || !TSynLineScanner::isIdentStart(s.at(i + 1)))
            continue;
        int end = i + 1;
        while (end < to && TSynLineScanner::isIdentChar(s.at(end)))
            ++end;
        out.add(runStart, i - runStart, m_string);
        out.add(i, end - i, m_variable);
        runStart = end;
        i = end - 1;
    }
    out.add(runStart, to - runStart, m_string);
}

bool TSynPHPSyn::scanHeredocStart(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    int i = start + 3;
    while (s.at(i) == u' ' || s.at(i) == u'\t')
        ++i;
    const QChar quote = s.at(i) == u'\'' || s.at(i) == u'"' ? s.at(i) : QChar();
    if (!quote.isNull())
        ++i;
    const int labelStart = i;
    if (!TSynLineScanner::isIdentStart(s.at(i)))
        return false;
    while (isLabelChar(s.at(i)))
        ++i;
    const int labelEnd = i;
    if (!quote.isNull()) {
        if (s.at(i) != quote)
            return false;
        ++i;
    }
    range.label = s.text(labelStart, labelEnd).toString();
    range.kind = quote == u'\'' ? rkNowdoc : rkHeredoc;
    out.add(start, i - start, m_string);
    // The rest of the opening line is code in PHP; the body starts on the next line.
    s.setPos(i);
    const int rest = s.pos();
    s.skipToEnd();
    out.add(rest, s.pos() - rest, m_text);
    return true;
}

void TSynPHPSyn::scanDoc(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    int i = 0;
    while (s.at(i) == u' ' || s.at(i) == u'\t')
        ++i;
    const QStringView rest = s.line().mid(i);
    if (!rest.startsWith(range.label) || isLabelChar(s.at(i + int(range.label.size()))))
        return;
    const int end = i + int(range.label.size());
    out.add(0, i, m_text);
    out.add(i, end - i, m_string);
    s.setPos(end);
    range.kind = rkCode;
    range.label.clear();
}

void TSynPHPSyn::scanInline(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const
{
    const int start = s.pos();
    const int open = s.find(u"<?");
    const int end = open < 0 ? s.size() : open;
    out.add(start, end - start, m_text);
    s.setPos(end);
    if (open < 0)
        return;
    int length = 2;
    if (s.lookingAt(u"<?php", Qt::CaseInsensitive))
        length = 5;
    else if (s.lookingAt(u"<?="))
        length = 3;
    s.advance(length);
    out.add(open, length, m_tag);
    range.kind = rkCode;
}
