#pragma once

#include "editor/TSynCustomHighlighter.h"
#include "editor/TSynLineScanner.h"

// What tells HTML and XML apart for the markup tokenizer.
struct TSynMarkupDialect
{
    QString name;
    QString longName;
    QString elementAttributeName; // "Tag" for HTML, "Element" for XML
    bool htmlRules = false; // void elements, optional end tags, raw text of script/style
};

// Tags, attributes, comments, entities, CDATA and processing instructions.
// Ranges: inside a comment, CDATA, processing instruction or declaration;
// inside a tag (between attributes), after '=' and inside quoted values;
// raw text of <script>/<style> (HTML). Flags remember whether the open tag is
// a closing tag and whether it folds.
class VYRA_EXPORT TSynMarkupSyn : public TSynLineHighlighter
{
public:
    explicit TSynMarkupSyn(const TSynMarkupDialect &dialect);
    void tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const override;

    enum Kind : quint8 {
        rkText, rkComment, rkCData, rkProcessing, rkDeclaration, rkTag, rkAfterEquals,
        rkDoubleValue, rkSingleValue, rkRawText
    };
    enum Flag : quint16 { tfClosing = 1, tfFolds = 2 };

private:
    void scanText(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanTagOpen(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanInTag(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanValue(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void scanUntil(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out, QStringView close,
                   const TSynHighlighterAttributes *attribute) const;
    void scanRawText(TSynLineScanner &s, TSynRange &range, TSynLineOutput &out) const;
    void finishTag(TSynRange &range, bool selfClosing, TSynLineOutput &out) const;
    bool elementFolds(QStringView name) const;

    TSynMarkupDialect m_dialect;
    TSynHighlighterAttributes *m_text;
    TSynHighlighterAttributes *m_comment;
    TSynHighlighterAttributes *m_element;
    TSynHighlighterAttributes *m_attributeName;
    TSynHighlighterAttributes *m_value;
    TSynHighlighterAttributes *m_symbol;
    TSynHighlighterAttributes *m_entity;
    TSynHighlighterAttributes *m_cdata;
    TSynHighlighterAttributes *m_processing;
};
