#pragma once

#include "editor/TLineState.h"
#include "editor/TSynHighlighterAttributes.h"
#include "editor/TSynLineOutput.h"
#include "vyra_export.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

namespace pugi {
class xml_node;
}

// A highlighter is a pure line tokenizer: the line's text and the state at its
// start go in, styled runs and the state at its end come out. It knows no
// widget; the editor bridge drives it.
class VYRA_EXPORT TSynCustomHighlighter
{
public:
    TSynCustomHighlighter(QString name, QString longName);
    virtual ~TSynCustomHighlighter();
    TSynCustomHighlighter(const TSynCustomHighlighter &) = delete;
    TSynCustomHighlighter &operator=(const TSynCustomHighlighter &) = delete;

    // Short name ("php") and the name shown to the user ("PHP").
    const QString &name() const { return m_name; }
    const QString &longName() const { return m_longName; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    // Highlights one line (without its line break). state is the state at the
    // line's start on entry and at its end on return.
    virtual void highlightLine(QStringView line, TLineState &state, TSynLineOutput &out) const = 0;
    // Highlights a piece of a line after which the line goes on in another
    // language (the text before a PHP block): what the line's end would
    // close - a line comment, an unterminated string - stays open, so that
    // the text after the block continues it. The base takes the piece for a
    // line.
    virtual void highlightPart(QStringView part, TLineState &state, TSynLineOutput &out) const;

    // The attributes of this highlighter.
    const std::vector<std::unique_ptr<TSynHighlighterAttributes>> &attributes() const { return m_attributes; }
    TSynHighlighterAttributes *attribute(const QString &name) const;
    // The attribute of text no token covers.
    const TSynHighlighterAttributes *defaultAttribute() const { return m_attributes.front().get(); }
    // Every attribute a line of this highlighter can carry, including those
    // of highlighters it delegates to.
    virtual QList<const TSynHighlighterAttributes *> allAttributes() const;

    // <attribute name=... foreground=... background=... style=.../> children.
    void saveAttributes(pugi::xml_node &node) const;
    void loadAttributes(const pugi::xml_node &node);

protected:
    // The first attribute added is the default attribute.
    TSynHighlighterAttributes *addAttribute(const QString &name, QColor foreground, unsigned style = 0,
                                            QColor background = {});

private:
    QString m_name;
    QString m_longName;
    bool m_enabled = true;
    std::vector<std::unique_ptr<TSynHighlighterAttributes>> m_attributes;
};

// A highlighter of one language that only needs its own range.
class VYRA_EXPORT TSynLineHighlighter : public TSynCustomHighlighter
{
public:
    using TSynCustomHighlighter::TSynCustomHighlighter;

    void highlightLine(QStringView line, TLineState &state, TSynLineOutput &out) const final;
    void highlightPart(QStringView part, TLineState &state, TSynLineOutput &out) const final;
    virtual void tokenize(QStringView line, TSynRange &range, TSynLineOutput &out) const = 0;

protected:
    // The end of the line reached: closes what a line break ends.
    virtual void endLine(TSynRange &range) const;
};
