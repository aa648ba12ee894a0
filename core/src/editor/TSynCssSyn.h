#pragma once

#include "editor/TSynCustomHighlighter.h"
#include "editor/TSynLineScanner.h"

// CSS. The range says whether the scan is in a selector, a property name or a
// value, and whether a comment or a string is open; depth counts open blocks,
// and bit n of flags is set when block level n+1 holds rules (@media) rather
// than declarations. A string stays open to the end of a piece of a line
// (PHP follows), not past the end of the line.
class VYRA_EXPORT TSynCssSyn : public TSynLineHighlighter
{
public:
    TSynCssSyn();
    void tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const override;

    enum Kind : quint8 { rkSelector, rkProperty, rkValue, rkAtRule };
    static constexpr quint16 CommentFlag = 0x8000;
    static constexpr quint16 DoubleStringFlag = 0x4000;
    static constexpr quint16 SingleStringFlag = 0x2000;

protected:
    void endLine(TSynRange &range) const override;

private:
    void scanToken(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanComment(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanString(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out, int start) const;
    void openBlock(TSynRange &range) const;
    void closeBlock(TSynRange &range) const;
    const TSynHighlighterAttributes *wordAttribute(const TSynRange &range) const;

    TSynHighlighterAttributes *m_text;
    TSynHighlighterAttributes *m_comment;
    TSynHighlighterAttributes *m_selector;
    TSynHighlighterAttributes *m_property;
    TSynHighlighterAttributes *m_value;
    TSynHighlighterAttributes *m_number;
    TSynHighlighterAttributes *m_string;
    TSynHighlighterAttributes *m_atRule;
    TSynHighlighterAttributes *m_symbol;
};
