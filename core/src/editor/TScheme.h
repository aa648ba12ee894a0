#pragma once

#include "editor/TSynHighlighterAttributes.h"
#include "vyra_export.h"

#include <QString>

class TSynCustomHighlighter;
class TSynMultiSyn;

// One scheme of a multi-highlighter: from a text matching StartExpr up to a
// text matching EndExpr, Highlighter colours the text; the matched markers
// themselves are drawn with the marker attributes.
class VYRA_EXPORT TScheme
{
public:
    TScheme(TSynMultiSyn &owner, QString schemeName);

    const QString &startExpr() const { return m_startExpr; }
    const QString &endExpr() const { return m_endExpr; }
    // Both run the owner's expression check first; a rejected expression
    // raises and leaves the scheme unchanged.
    void setStartExpr(const QString &expr);
    void setEndExpr(const QString &expr);

    // Not owned: highlighters are shared definitions of the registry.
    TSynCustomHighlighter *highlighter() const { return m_highlighter; }
    void setHighlighter(TSynCustomHighlighter *highlighter) { m_highlighter = highlighter; }

    const QString &schemeName() const { return m_schemeName; }
    void setSchemeName(const QString &name) { m_schemeName = name; }
    bool caseSensitive() const { return m_caseSensitive; }
    void setCaseSensitive(bool on);

    TSynHighlighterAttributes &markerAttributes() { return m_markerAttributes; }
    const TSynHighlighterAttributes &markerAttributes() const { return m_markerAttributes; }

    // Takes part in the scan only with both expressions and an enabled highlighter.
    bool isUsable() const;

private:
    TSynMultiSyn &m_owner;
    QString m_startExpr;
    QString m_endExpr;
    TSynCustomHighlighter *m_highlighter = nullptr;
    QString m_schemeName;
    bool m_caseSensitive = true;
    TSynHighlighterAttributes m_markerAttributes;
};
