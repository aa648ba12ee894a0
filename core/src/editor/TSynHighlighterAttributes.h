#pragma once

#include "vyra_export.h"

#include <QColor>
#include <QString>

namespace pugi {
class xml_node;
}

// Font style flags of a token attribute.
enum TSynFontStyle : unsigned {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

// How one kind of token is drawn: a named colour and style that the user can
// change and that is stored with the highlighter.
class VYRA_EXPORT TSynHighlighterAttributes
{
public:
    TSynHighlighterAttributes(QString name, QColor foreground, QColor background = {}, unsigned style = 0);

    const QString &name() const { return m_name; }
    QColor foreground() const { return m_foreground; }
    QColor background() const { return m_background; }
    unsigned style() const { return m_style; }
    void setForeground(const QColor &color) { m_foreground = color; }
    void setBackground(const QColor &color) { m_background = color; }
    void setStyle(unsigned style) { m_style = style; }

    // Colours are stored as 0x00BBGGRR integers; an invalid colour ("use the
    // default") is stored as -1.
    void saveTo(pugi::xml_node &node) const;
    void loadFrom(const pugi::xml_node &node);

private:
    QString m_name;
    QColor m_foreground;
    QColor m_background;
    unsigned m_style = 0;
};
