#pragma once

#include "completion/TVYRAHTMLTagAttribute.h"
#include "vyra_export.h"

#include <QList>
#include <QString>

// One tag of "taglist.xml": <tag name="a" helptext=".."><attribute>..</attribute>..</tag>
class VYRA_EXPORT TVYRAHTMLTag
{
public:
    QString Name;
    QString HelpText;

    // Reads name, help text and the attributes; a second attribute of the
    // same name (case-sensitive) and other children are ignored.
    void Load(const pugi::xml_node &node);
    const TVYRAHTMLTagAttribute &GetAttributes(int i) const { return m_attributes.at(i); }
    int GetCount() const { return int(m_attributes.size()); }
    // The first attribute of that name (case-sensitive), or -1.
    int IndexOf(const QString &name) const;
    // Appends unless an attribute of that name is there; true when appended.
    bool Add(const TVYRAHTMLTagAttribute &attribute);

private:
    QList<TVYRAHTMLTagAttribute> m_attributes;
};
