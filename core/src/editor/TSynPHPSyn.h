#pragma once

#include "editor/TSynCustomHighlighter.h"
#include "editor/TSynLineScanner.h"

// PHP. Ranges: block comments, single- and double-quoted and backtick strings
// across lines, heredoc and nowdoc (label in the range), and the inline HTML
// after a "?>" when the highlighter runs on a whole file by itself.
class VYRA_EXPORT TSynPHPSyn : public TSynLineHighlighter
{
public:
    TSynPHPSyn();
    void tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const override;

    enum Kind : quint8 { rkCode, rkComment, rkDocComment, rkString, rkSingle, rkBacktick, rkHeredoc, rkNowdoc, rkInline };

private:
    void scanCode(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanComment(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanString(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanDoc(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanInline(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanLineComment(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    bool scanHeredocStart(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanWord(TSynLineScanner &s, TSynLineOutput &out) const;
    // Text of a double-quoted string or heredoc up to limit, with embedded
    // variables in their own colour.
    void addInterpolated(TSynLineScanner &s, int from, int to, TSynLineOutput &out) const;

    TSynKeywords m_keywords;
    TSynHighlighterAttributes *m_text;
    TSynHighlighterAttributes *m_comment;
    TSynHighlighterAttributes *m_docComment;
    TSynHighlighterAttributes *m_identifier;
    TSynHighlighterAttributes *m_keyword;
    TSynHighlighterAttributes *m_number;
    TSynHighlighterAttributes *m_string;
    TSynHighlighterAttributes *m_variable;
    TSynHighlighterAttributes *m_symbol;
    TSynHighlighterAttributes *m_tag;
};
