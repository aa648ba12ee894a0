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
    markers.append({scheme, start, length, text.toString(), isOpenMarker, false});
}

void TSynMultiSyn::addMarkerPiece(QList<TSynMarker> &markers, int scheme, int start, int length, QStringView text)
{
    markers.append({scheme, start, length, text.toString(), true, true});
}

void TSynMultiSyn::highlightLine(QStringView line, TLineState &state, TSynLineOutput &out) const
{
    highlightText(line, state, out, true);
}

void TSynMultiSyn::highlightPart(QStringView part, TLineState &state, TSynLineOutput &out) const
{
    highlightText(part, state, out, false);
}

void TSynMultiSyn::dropStaleSchemes(TLineState &state) const
{
    auto stale = [this](int index) { return index >= schemeCount() || (index >= 0 && !scheme(index).isUsable()); };
    if (stale(state.scheme)) {
        state.scheme = -1;
        state.range = {};
    }
    if (state.scheme < 0 || stale(state.suspendedScheme)) {
        state.suspendedScheme = -1;
        state.suspendedRange = {};
    }
}

void TSynMultiSyn::openScheme(TLineState &state, int index)
{
    if (state.scheme >= 0) {
        state.suspendedScheme = state.scheme;
        state.suspendedRange = state.range;
    }
    state.scheme = qint16(index);
    state.range = {};
}

void TSynMultiSyn::closeScheme(TLineState &state)
{
    state.scheme = state.suspendedScheme;
    state.range = state.suspendedRange;
    state.suspendedScheme = -1;
    state.suspendedRange = {};
}

void TSynMultiSyn::highlightText(QStringView line, TLineState &state, TSynLineOutput &out, bool lineEnds) const
{
    // A line state from before a scheme was removed or disabled.
    dropStaleSchemes(state);
    const QList<TSynMarker> markers = scanMarkers(line, state);
    const int base = out.offset();
    int pos = 0;
    for (const TSynMarker &marker : markers) {
        if (marker.scheme < 0 || marker.scheme >= schemeCount() || marker.start < pos)
            continue;
        highlightSegment(line, pos, marker.start, state, out, false);
        out.setOffset(base);
        out.add(marker.start, marker.length, &scheme(marker.scheme).markerAttributes());
        pos = marker.start + marker.length;
        if (marker.isPiece)
            continue;
        marker.isOpenMarker ? out.openFold() : out.closeFold();
        marker.isOpenMarker ? openScheme(state, marker.scheme) : closeScheme(state);
    }
    highlightSegment(line, pos, int(line.size()), state, out, lineEnds);
    out.setOffset(base);
}

void TSynMultiSyn::highlightSegment(QStringView line, int from, int to, TLineState &state, TSynLineOutput &out,
                                    bool lineEnds) const
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
        const QStringView segment = line.mid(from, to - from);
        lineEnds ? highlighter->highlightLine(segment, inner, out) : highlighter->highlightPart(segment, inner, out);
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
