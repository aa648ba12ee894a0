#pragma once

#include "completion/TVYRAHTMLTagAttribute.h"

#include <QString>

// Writes one attribute into the text of a tag ("<" to ">" inclusive) and
// returns the new tag text. Only the attribute of exactly that name
// (case-insensitive) changes, the first one when it is written twice;
// values inside other attributes' quotes are never taken for attributes.
class TAttributeWriter
{
public:
    // What the user entered for an attribute of that kind: "False" removes
    // a Boolean attribute and "True" gives it its own name as value; for
    // other kinds both are ordinary text. An empty value removes the
    // attribute. A quote in the value is written as "&quot;".
    static QString Write(const QString &tagText, const QString &name, const QString &value,
                         TVYRAHTMLAttributeType kind);
    // The value as it goes between double quotes.
    static QString Escape(const QString &value);
};
