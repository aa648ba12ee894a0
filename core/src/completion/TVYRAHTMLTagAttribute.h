#pragma once

#include "vyra_export.h"

#include <QString>
#include <QStringList>

namespace pugi {
class xml_node;
}

enum TVYRAHTMLAttributeType { atText = 0, atInteger = 1, atBoolean = 2, atSelect = 3, atEvent = 4, atColor = 5 };

// One attribute of an HTML tag in "taglist.xml":
//   <attribute type="select" values="_blank|_self" helptext="..">target</attribute>
struct VYRA_EXPORT TVYRAHTMLTagAttribute {
    QString Name;
    QString HelpText;
    TVYRAHTMLAttributeType AttributeType = atText;
    QStringList Values; // the choices of a select attribute

    static TVYRAHTMLTagAttribute FromXml(const pugi::xml_node &node);
    // "integer", "boolean", "select"/"selectedit", "event", "color"; anything else is text.
    static TVYRAHTMLAttributeType TypeFromName(const QString &name);
    // Splits at the delimiter and, outside double quotes, at blanks.
    static QStringList SplitDelimited(const QString &text, QChar delimiter);
};
