#include "editor/TSynMultiSyn.h"

TSynMultiSyn::TSynMultiSyn(QString name, QString longName)
    : TSynCustomHighlighter(std::move(name), std::move(longName))
{
    addAttribute(QStringLiteral("Text"), QColor(0x20, 0x20, 0x20));
}

TSynMultiSyn::~TSynMultiSyn() = default;

int TSynMultiSyn::indexOf(const TScheme &scheme) const
{
    for (size_t i = 0; i < m_schemes.size(); ++i) {
        if (m_schemes[i].get() == &scheme)
            return int(i);
    }
    return -1;
}

TScheme &TSynMultiSyn::addScheme(const QString &schemeName)
{
    m_schemes.push_back(std::make_unique<TScheme>(*this, schemeName));
    return *m_schemes.back();
}

void TSynMultiSyn::removeScheme(int index)
{
    if (index >= 0 && index < schemeCount())
        m_schemes.erase(m_schemes.begin() + index);
}

void TSynMultiSyn::moveScheme(int from, int to)
{
    if (from < 0 || from >= schemeCount() || to < 0 || to >= schemeCount() || from == to)
        return;
    auto moved = std::move(m_schemes[size_t(from)]);
    m_schemes.erase(m_schemes.begin() + from);
    m_schemes.insert(m_schemes.begin() + to, std::move(moved));
}

void TSynMultiSyn::checkExpression(const QString &) const {}

void TSynMultiSyn::schemeChanged(const TScheme &) {}

void TSynMultiSyn::addMarker(QList<TSynMarker> &markers, int scheme, int start, int length, QStringView text,
                             bool isOpenMarker)
{
    markers.append({scheme, start, length, text.toString(), isOpenMarker});
}

void TSynMultiSyn::highlightLine(QStringView line, TLineState &state, TSynLineOutput &out) const
{
    // A line state from before a scheme was removed or disabled.
    if (state.scheme >= schemeCount() || (state.scheme >= 0 && !scheme(state.scheme).isUsable())) {
        state.scheme = -1;
        state.range = {};
    }
    const QList<TSynMarker> markers = scanMarkers(line, state);
    const int base = out.offset();
    int pos = 0;
    for (const TSynMarker &marker : markers) {
        if (marker.scheme < 0 || marker.scheme >= schemeCount() || marker.start < pos)
            continue;
        highlightSegment(line, pos, marker.start, state, out);
        out.setOffset(base);
        out.add(marker.start, marker.length, &scheme(marker.scheme).markerAttributes());
        marker.isOpenMarker ? out.openFold() : out.closeFold();
        state.scheme = qint16(marker.isOpenMarker ? marker.scheme : -1);
        state.range = {};
        pos = marker.start + marker.length;
    }
    highlightSegment(line, pos, int(line.size()), state, out);
    out.setOffset(base);
}

void TSynMultiSyn::highlightSegment(QStringView line, int from, int to, TLineState &state,
                                    TSynLineOutput &out) const
{
    const int base = out.offset();
    out.setOffset(base + from);
    const bool inScheme = state.scheme >= 0;
    TSynCustomHighlighter *highlighter = inScheme ? scheme(state.scheme).highlighter() : m_defaultHighlighter;
    if (!highlighter || !highlighter->enabled()) {
        out.add(0, to - from, inScheme ? highlighter ? highlighter->defaultAttribute() : defaultAttribute()
                                       : defaultAttribute());
    } else {
        TLineState inner;
        inner.range = inScheme ? state.range : state.outerRange;
        highlighter->highlightLine(line.mid(from, to - from), inner, out);
        (inScheme ? state.range : state.outerRange) = inner.range;
    }
    out.setOffset(base);
}

QList<const TSynHighlighterAttributes *> TSynMultiSyn::allAttributes() const
{
    QList<const TSynHighlighterAttributes *> result = TSynCustomHighlighter::allAttributes();
    auto addFrom = [&result](const TSynCustomHighlighter *highlighter) {
        if (!highlighter)
            return;
        for (const TSynHighlighterAttributes *attribute : highlighter->allAttributes()) {
            if (!result.contains(attribute))
                result.append(attribute);
        }
    };
    addFrom(m_defaultHighlighter);
    for (const auto &scheme : m_schemes) {
        addFrom(scheme->highlighter());
        result.append(&scheme->markerAttributes());
    }
    return result;
}
