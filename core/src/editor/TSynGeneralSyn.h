#pragma once

#include "editor/TSynCustomHighlighter.h"

// Plain text with numbers, strings and symbols told apart; no keywords and no
// multi-line ranges.
class VYRA_EXPORT TSynGeneralSyn : public TSynLineHighlighter
{
public:
    TSynGeneralSyn();
    void tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const override;

private:
    TSynHighlighterAttributes *m_text;
    TSynHighlighterAttributes *m_identifier;
    TSynHighlighterAttributes *m_number;
    TSynHighlighterAttributes *m_string;
    TSynHighlighterAttributes *m_symbol;
};
