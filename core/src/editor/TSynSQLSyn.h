#pragma once

#include "editor/TSynCustomHighlighter.h"
#include "editor/TSynLineScanner.h"

// SQL (with the MySQL comment and quoting forms). Ranges: block comments and
// strings or quoted identifiers across lines.
class VYRA_EXPORT TSynSQLSyn : public TSynLineHighlighter
{
public:
    TSynSQLSyn();
    void tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const override;

    enum Kind : quint8 { rkCode, rkComment, rkSingle, rkDouble, rkBacktick };

private:
    void scanCode(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanOpen(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;

    TSynKeywords m_keywords;
    TSynKeywords m_functions;
    TSynKeywords m_types;
    TSynHighlighterAttributes *m_text;
    TSynHighlighterAttributes *m_comment;
    TSynHighlighterAttributes *m_keyword;
    TSynHighlighterAttributes *m_function;
    TSynHighlighterAttributes *m_dataType;
    TSynHighlighterAttributes *m_identifier;
    TSynHighlighterAttributes *m_number;
    TSynHighlighterAttributes *m_string;
    TSynHighlighterAttributes *m_variable;
    TSynHighlighterAttributes *m_symbol;
};
