#include "highlighters/TIHighlighter.h"

#include "editor/TSynMultiSyn.h"
#include "highlighters/TIHighlighters.h"
#include "highlighters/TStoredMultiHighlighter.h"
#include "highlighters/TSynMultiSynLiteral.h"

#include <QObject>

namespace {
std::unique_ptr<TSynMultiSyn> makeMulti(const TIHighlighters *owner, const QString &name, const QString &longName)
{
    if (owner)
        return owner->CreateMultiSyn(name, longName);
    return std::make_unique<TSynMultiSynLiteral>(name, longName);
}

// Marker colours are stored as 0x00BBGGRR; anything else means "default".
QColor storedToColor(int value)
{
    if (value < 0 || value > 0xFFFFFF)
        return {};
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void copyScheme(const TScheme &from, TScheme &to)
{
    to.setCaseSensitive(from.caseSensitive());
    to.setStartExpr(from.startExpr());
    to.setEndExpr(from.endExpr());
    to.setHighlighter(from.highlighter());
    to.markerAttributes().setForeground(from.markerAttributes().foreground());
    to.markerAttributes().setBackground(from.markerAttributes().background());
    to.markerAttributes().setStyle(from.markerAttributes().style());
}

// A stored expression the multi-highlighter refuses leaves the scheme
// without it, so the scheme takes no part in highlighting.
void setExpressions(TScheme &scheme, const QString &start, const QString &end)
{
    try {
        scheme.setStartExpr(start);
        scheme.setEndExpr(end);
    } catch (const std::exception &) {
        scheme.setStartExpr({});
        scheme.setEndExpr({});
    }
}

void readMarkerAttributes(const TStoredScheme &stored, TSynHighlighterAttributes &attributes)
{
    if (stored.background)
        attributes.setBackground(storedToColor(*stored.background));
    if (stored.foreground)
        attributes.setForeground(storedToColor(*stored.foreground));
    if (stored.style)
        attributes.setStyle(unsigned(*stored.style) & (fsBold | fsItalic | fsUnderline | fsStrikeOut));
}
} // namespace

TIHighlighter::TIHighlighter(TIHighlighters *owner, QString shortName, QString longName,
                             std::shared_ptr<TSynCustomHighlighter> highlighter)
    : m_owner(owner)
    , m_shortName(std::move(shortName))
    , m_longName(std::move(longName))
    , m_highlighter(std::move(highlighter))
    , m_multi(makeMulti(owner, m_shortName, m_longName))
{
    m_multi->setDefaultHighlighter(m_highlighter.get());
}

TIHighlighter::TIHighlighter(const TIHighlighter &source)
    : m_owner(source.m_owner)
    , m_shortName(source.m_shortName)
    , m_longName(source.m_longName)
    , m_highlighter(source.m_highlighter)
    , m_multi(makeMulti(source.m_owner, source.m_shortName, source.m_longName))
    , m_components(source.m_components)
    , m_isCopy(true)
{
    m_multi->setDefaultHighlighter(m_highlighter.get());
    for (int i = 0; i < source.m_multi->schemeCount(); ++i) {
        const TScheme &from = source.m_multi->scheme(i);
        copyScheme(from, m_multi->addScheme(from.schemeName()));
    }
}

TIHighlighter::~TIHighlighter() = default;

TSynCustomHighlighter *TIHighlighter::GetHighlighter() const
{
    return m_highlighter.get();
}

void TIHighlighter::SetPlainHighlighter(std::shared_ptr<TSynCustomHighlighter> highlighter)
{
    m_highlighter = std::move(highlighter);
    m_multi->setDefaultHighlighter(m_highlighter.get());
}

bool TIHighlighter::IsMultiHighlighter() const
{
    return m_multi->schemeCount() > 0;
}

TSynCustomHighlighter *TIHighlighter::EditorHighlighter() const
{
    return IsMultiHighlighter() ? m_multi.get() : m_highlighter.get();
}

QObject *TIHighlighter::GetComponent(int i) const
{
    return i >= 0 && i < GetCompCount() ? m_components[i].data() : nullptr;
}

void TIHighlighter::SetComponent(int i, QObject *component)
{
    if (i >= 0 && i < GetCompCount())
        m_components[i] = component;
}

void TIHighlighter::AddComponent(QObject *component)
{
    if (component)
        m_components.append(component);
}

void TIHighlighter::DeleteComponent(int i)
{
    if (i >= 0 && i < GetCompCount())
        m_components.removeAt(i);
}

int TIHighlighter::FindComponent(const QString &name) const
{
    for (int i = 0; i < GetCompCount(); ++i) {
        if (m_components[i] && m_components[i]->objectName() == name)
            return i;
    }
    return -1;
}

void TIHighlighter::InitialiseMultiHighlighting(const pugi::xml_node &node)
{
    InitialiseMultiHighlighting(TStoredMultiHighlighter::FromXml(node));
}

void TIHighlighter::InitialiseMultiHighlighting(const TStoredMultiHighlighter &stored)
{
    m_longName = stored.longName;
    TIHighlighter *fallback = m_owner ? m_owner->DefaultHighlighter() : nullptr;
    if (m_owner) {
        TIHighlighter *base = m_owner->FindHighlighter(stored.defaultHighlighter);
        if (base || fallback)
            SetPlainHighlighter((base ? base : fallback)->SharedHighlighter());
    }
    while (m_multi->schemeCount() > 0)
        m_multi->removeScheme(0);
    for (const TStoredScheme &stored : stored.schemes) {
        TScheme &scheme = m_multi->addScheme(stored.name);
        setExpressions(scheme, stored.startExpr, stored.endExpr);
        TIHighlighter *target = m_owner ? m_owner->FindHighlighter(stored.highlighter) : nullptr;
        if (!target)
            target = fallback;
        scheme.setHighlighter(target ? target->GetHighlighter() : nullptr);
        readMarkerAttributes(stored, scheme.markerAttributes());
    }
    m_shortName = stored.shortName;
    CreateShortName();
}

void TIHighlighter::CreateMultihighlighter(const TIHighlighter &other)
{
    if (IsMultiHighlighter())
        return;
    m_multi->setDefaultHighlighter(m_highlighter.get());
    TScheme &scheme = m_multi->addScheme(other.ShortName());
    scheme.setHighlighter(other.GetHighlighter());
}

void TIHighlighter::CreateShortName()
{
    if (!m_owner || !m_owner->IsShortNameTaken(m_shortName, this))
        return;
    QString base = QStringLiteral("multi_");
    for (int i = 0; i < m_multi->schemeCount(); ++i)
        base += m_owner->ShortNameOf(m_multi->scheme(i).highlighter());
    QString candidate = base;
    for (int n = 0; m_owner->IsShortNameTaken(candidate, this); ++n)
        candidate = base + QStringLiteral("_%1").arg(n);
    m_shortName = candidate;
}

int TIHighlighter::Get_PresentHighlighterCount() const
{
    return m_multi->schemeCount();
}

std::unique_ptr<TIHighlighter> TIHighlighter::Get_PresentHighlighters(int i) const
{
    if (!m_owner || i < 0 || i >= m_multi->schemeCount())
        return nullptr;
    TIHighlighter *entry = m_owner->GetHighlighter(m_owner->IndexOf(m_multi->scheme(i).highlighter()));
    return entry ? std::make_unique<TIHighlighter>(*entry) : nullptr;
}

bool TIHighlighter::matches(const TIHighlighter &other) const
{
    return other.ShortName() == m_shortName || other.LongName() == m_longName;
}

bool TIHighlighter::IsHighlighterPresent(const TIHighlighter &highlighter) const
{
    if (matches(highlighter))
        return true;
    for (int i = 0; i < Get_PresentHighlighterCount(); ++i) {
        const std::unique_ptr<TIHighlighter> present = Get_PresentHighlighters(i);
        if (present && present->matches(highlighter))
            return true;
    }
    return false;
}
