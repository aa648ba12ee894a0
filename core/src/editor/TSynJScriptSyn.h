#pragma once

#include "editor/TSynCustomHighlighter.h"
#include "editor/TSynLineScanner.h"

// JavaScript. Ranges: block comments, strings continued with a backslash,
// and template strings with nested substitutions. The label of the range is
// the stack of open "${" substitutions, one character per level holding the
// number of braces open inside it. A line comment or a string that a piece
// of the line leaves open (PHP follows) stays open until the line ends, and
// whether a '/' may start a regular expression is kept for the next piece.
class VYRA_EXPORT TSynJScriptSyn : public TSynLineHighlighter
{
public:
    TSynJScriptSyn();
    void tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const override;

    enum Kind : quint8 { rkCode, rkComment, rkTemplate, rkDoubleString, rkSingleString, rkLineComment };
    // The open string ended on a backslash: it goes on in the next line.
    static constexpr quint16 ContinuedFlag = 1;
    // A '/' at the end of a piece of a line would be a division, not the
    // start of a regular expression (PHP follows and the script goes on).
    static constexpr quint16 RegexBarredFlag = 2;

protected:
    void endLine(TSynRange &range) const override;

private:
    void scanCode(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out, bool &regexAllowed) const;
    void scanComment(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanTemplate(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanString(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    bool scanRegex(TSynLineScanner &s, TSynLineOutput &out) const;
    void scanBrace(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;

    TSynKeywords m_keywords;
    TSynHighlighterAttributes *m_text;
    TSynHighlighterAttributes *m_comment;
    TSynHighlighterAttributes *m_identifier;
    TSynHighlighterAttributes *m_keyword;
    TSynHighlighterAttributes *m_number;
    TSynHighlighterAttributes *m_string;
    TSynHighlighterAttributes *m_template;
    TSynHighlighterAttributes *m_regex;
    TSynHighlighterAttributes *m_symbol;
};
