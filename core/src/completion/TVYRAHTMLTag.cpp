#include "completion/TVYRAHTMLTag.h"

#include <pugixml.hpp>

void TVYRAHTMLTag::Load(const pugi::xml_node &node)
{
    Name = QString::fromUtf8(node.attribute("name").value());
    HelpText = QString::fromUtf8(node.attribute("helptext").value());
    m_attributes.clear();
    for (pugi::xml_node child = node.child("attribute"); child; child = child.next_sibling("attribute"))
        Add(TVYRAHTMLTagAttribute::FromXml(child));
}

int TVYRAHTMLTag::IndexOf(const QString &name) const
{
    for (int i = 0; i < m_attributes.size(); ++i) {
        if (m_attributes[i].Name == name)
            return i;
    }
    return -1;
}

bool TVYRAHTMLTag::Add(const TVYRAHTMLTagAttribute &attribute)
{
    if (IndexOf(attribute.Name) >= 0)
        return false;
    m_attributes.append(attribute);
    return true;
}
