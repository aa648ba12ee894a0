#include "editor/TSynHighlighterAttributes.h"

#include <pugixml.hpp>

namespace {

long long colorToStored(const QColor &color)
{
    if (!color.isValid())
        return -1;
    return (color.blue() << 16) | (color.green() << 8) | color.red();
}

QColor storedToColor(long long value)
{
    if (value < 0 || value > 0xFFFFFF)
        return {};
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace

TSynHighlighterAttributes::TSynHighlighterAttributes(QString name, QColor foreground, QColor background,
                                                     unsigned style)
    : m_name(std::move(name)), m_foreground(foreground), m_background(background), m_style(style)
{
}

void TSynHighlighterAttributes::saveTo(pugi::xml_node &node) const
{
    node.append_attribute("name").set_value(m_name.toUtf8().constData());
    node.append_attribute("foreground").set_value(colorToStored(m_foreground));
    node.append_attribute("background").set_value(colorToStored(m_background));
    node.append_attribute("style").set_value(m_style);
}

void TSynHighlighterAttributes::loadFrom(const pugi::xml_node &node)
{
    if (auto fg = node.attribute("foreground"))
        m_foreground = storedToColor(fg.as_llong(-1));
    if (auto bg = node.attribute("background"))
        m_background = storedToColor(bg.as_llong(-1));
    if (auto style = node.attribute("style"))
        m_style = style.as_uint(0) & (fsBold | fsItalic | fsUnderline | fsStrikeOut);
}
