#include "editor/TScheme.h"

#include "editor/TSynCustomHighlighter.h"
#include "editor/TSynMultiSyn.h"

TScheme::TScheme(TSynMultiSyn &owner, QString schemeName)
    : m_owner(owner), m_schemeName(std::move(schemeName)),
      m_markerAttributes(QStringLiteral("Marker"), QColor(0xc0, 0x00, 0x00), QColor(0xff, 0xff, 0xe0), fsBold)
{
}

void TScheme::setStartExpr(const QString &expr)
{
    m_owner.checkExpression(expr);
    m_startExpr = expr;
    m_owner.schemeChanged(*this);
}

void TScheme::setEndExpr(const QString &expr)
{
    m_owner.checkExpression(expr);
    m_endExpr = expr;
    m_owner.schemeChanged(*this);
}

void TScheme::setCaseSensitive(bool on)
{
    m_caseSensitive = on;
    m_owner.schemeChanged(*this);
}

bool TScheme::isUsable() const
{
    return !m_startExpr.isEmpty() && !m_endExpr.isEmpty() && m_highlighter && m_highlighter->enabled();
}
