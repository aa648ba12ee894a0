#pragma once

#include "editor/TScheme.h"
#include "editor/TSynCustomHighlighter.h"
#include "editor/TSynMarker.h"

#include <QList>
#include <memory>
#include <vector>

// A default highlighter plus an ordered list of schemes. Each line is first
// scanned for scheme markers (the step a descendant supplies); the text
// between markers goes to the highlighter in charge, the markers get their
// scheme's marker attributes. The open scheme and both highlighters' ranges
// are carried from line to line in the line state. An open marker while a
// scheme is open suspends that scheme with its range; the next close marker
// ends the inner scheme and the suspended one goes on where it stopped.
class VYRA_EXPORT TSynMultiSyn : public TSynCustomHighlighter
{
public:
    TSynMultiSyn(QString name, QString longName);
    ~TSynMultiSyn() override;

    TSynCustomHighlighter *defaultHighlighter() const { return m_defaultHighlighter; }
    void setDefaultHighlighter(TSynCustomHighlighter *highlighter) { m_defaultHighlighter = highlighter; }

    int schemeCount() const { return int(m_schemes.size()); }
    TScheme &scheme(int index) const { return *m_schemes.at(size_t(index)); }
    int indexOf(const TScheme &scheme) const;
    TScheme &addScheme(const QString &schemeName = {});
    void removeScheme(int index);
    void moveScheme(int from, int to);

    void highlightLine(QStringView line, TLineState &state, TSynLineOutput &out) const override;
    void highlightPart(QStringView part, TLineState &state, TSynLineOutput &out) const override;
    QList<const TSynHighlighterAttributes *> allAttributes() const override;

    // Called before a scheme takes a new start or end expression; raises to
    // refuse it. The base accepts every expression.
    virtual void checkExpression(const QString &expr) const;
    // Called after a scheme's expressions or options changed.
    virtual void schemeChanged(const TScheme &scheme);

protected:
    // The markers of one line in order. state is the state at the line's
    // start: state.scheme is the open scheme (-1 = none), state.range the
    // range of its highlighter, state.suspendedScheme the scheme a close
    // marker returns to (-1 = none). Must not raise.
    virtual QList<TSynMarker> scanMarkers(QStringView line, const TLineState &state) const = 0;
    static void addMarker(QList<TSynMarker> &markers, int scheme, int start, int length, QStringView text,
                          bool isOpenMarker);
    static void addMarkerPiece(QList<TSynMarker> &markers, int scheme, int start, int length, QStringView text);

private:
    void highlightText(QStringView line, TLineState &state, TSynLineOutput &out, bool lineEnds) const;
    // lineEnds: the segment reaches the end of the line.
    void highlightSegment(QStringView line, int from, int to, TLineState &state, TSynLineOutput &out,
                          bool lineEnds) const;
    void dropStaleSchemes(TLineState &state) const;
    static void openScheme(TLineState &state, int index);
    static void closeScheme(TLineState &state);

    TSynCustomHighlighter *m_defaultHighlighter = nullptr;
    std::vector<std::unique_ptr<TScheme>> m_schemes;
};
