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
// are carried from line to line in the line state.
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
    QList<const TSynHighlighterAttributes *> allAttributes() const override;

    // Called before a scheme takes a new start or end expression; raises to
    // refuse it. The base accepts every expression.
    virtual void checkExpression(const QString &expr) const;
    // Called after a scheme's expressions or options changed.
    virtual void schemeChanged(const TScheme &scheme);

protected:
    // The markers of one line in order. state is the state at the line's
    // start: state.scheme is the open scheme (-1 = none), state.range the
    // range of its highlighter. Must not raise.
    virtual QList<TSynMarker> scanMarkers(QStringView line, const TLineState &state) const = 0;
    static void addMarker(QList<TSynMarker> &markers, int scheme, int start, int length, QStringView text,
                          bool isOpenMarker);

private:
    void highlightSegment(QStringView line, int from, int to, TLineState &state, TSynLineOutput &out) const;

    TSynCustomHighlighter *m_defaultHighlighter = nullptr;
    std::vector<std::unique_ptr<TScheme>> m_schemes;
};
