#include "editor/TSynCustomHighlighter.h"

#include <pugixml.hpp>

TSynCustomHighlighter::TSynCustomHighlighter(QString name, QString longName)
    : m_name(std::move(name)), m_longName(std::move(longName))
{
}

TSynCustomHighlighter::~TSynCustomHighlighter() = default;

TSynHighlighterAttributes *TSynCustomHighlighter::attribute(const QString &name) const
{
    for (const auto &attribute : m_attributes) {
        if (attribute->name().compare(name, Qt::CaseInsensitive) == 0)
            return attribute.get();
    }
    return nullptr;
}

QList<const TSynHighlighterAttributes *> TSynCustomHighlighter::allAttributes() const
{
    QList<const TSynHighlighterAttributes *> result;
    for (const auto &attribute : m_attributes)
        result.append(attribute.get());
    return result;
}

void TSynCustomHighlighter::saveAttributes(pugi::xml_node &node) const
{
    for (const auto &attribute : m_attributes) {
        pugi::xml_node child = node.append_child("attribute");
        attribute->saveTo(child);
    }
}

void TSynCustomHighlighter::loadAttributes(const pugi::xml_node &node)
{
    for (pugi::xml_node child : node.children("attribute")) {
        if (TSynHighlighterAttributes *target = attribute(QString::fromUtf8(child.attribute("name").value())))
            target->loadFrom(child);
    }
}

TSynHighlighterAttributes *TSynCustomHighlighter::addAttribute(const QString &name, QColor foreground,
                                                               unsigned style, QColor background)
{
    m_attributes.push_back(std::make_unique<TSynHighlighterAttributes>(name, foreground, background, style));
    return m_attributes.back().get();
}

void TSynCustomHighlighter::highlightPart(QStringView part, TLineState &state, TSynLineOutput &out) const
{
    highlightLine(part, state, out);
}

void TSynLineHighlighter::highlightLine(QStringView line, TLineState &state, TSynLineOutput &out) const
{
    tokenize(line, state.range, out);
    endLine(state.range);
}

void TSynLineHighlighter::highlightPart(QStringView part, TLineState &state, TSynLineOutput &out) const
{
    tokenize(part, state.range, out);
}

void TSynLineHighlighter::endLine(TSynRange &) const {}
