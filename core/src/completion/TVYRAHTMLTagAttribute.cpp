#include "completion/TVYRAHTMLTagAttribute.h"

#include <pugixml.hpp>

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 0x20;
}

QString readQuoted(const QString &text, qsizetype &pos)
{
    QString value;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == u'"') {
            if (pos + 1 < text.size() && text[pos + 1] == u'"') {
                value += u'"';
                pos += 2;
                continue;
            }
            ++pos;
            return value;
        }
        value += text[pos++];
    }
    return value;
}

} // namespace

TVYRAHTMLAttributeType TVYRAHTMLTagAttribute::TypeFromName(const QString &name)
{
    if (name == u"integer")
        return atInteger;
    if (name == u"boolean")
        return atBoolean;
    if (name == u"select" || name == u"selectedit")
        return atSelect;
    if (name == u"event")
        return atEvent;
    if (name == u"color")
        return atColor;
    return atText;
}

QStringList TVYRAHTMLTagAttribute::SplitDelimited(const QString &text, QChar delimiter)
{
    QStringList items;
    qsizetype pos = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
    };
    skipBlanks();
    while (pos < text.size()) {
        if (text[pos] == u'"') {
            items.append(readQuoted(text, pos));
        } else {
            const qsizetype start = pos;
            while (pos < text.size() && !isBlank(text[pos]) && text[pos] != delimiter)
                ++pos;
            items.append(text.mid(start, pos - start));
        }
        skipBlanks();
        if (pos < text.size() && text[pos] == delimiter) {
            if (pos + 1 == text.size())
                items.append(QString());
            ++pos;
            skipBlanks();
        }
    }
    return items;
}

TVYRAHTMLTagAttribute TVYRAHTMLTagAttribute::FromXml(const pugi::xml_node &node)
{
    TVYRAHTMLTagAttribute attribute;
    attribute.Name = QString::fromUtf8(node.child_value());
    attribute.HelpText = QString::fromUtf8(node.attribute("helptext").value());
    if (const pugi::xml_attribute type = node.attribute("type"))
        attribute.AttributeType = TypeFromName(QString::fromUtf8(type.value()));
    if (attribute.AttributeType == atSelect)
        attribute.Values = SplitDelimited(QString::fromUtf8(node.attribute("values").value()), u'|');
    return attribute;
}
