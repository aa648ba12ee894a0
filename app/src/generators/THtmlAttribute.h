#pragma once

#include <QString>

// Values written into HTML attributes by the generators.
class THtmlAttribute
{
public:
    // A double quote would end the attribute value: it becomes "&quot;".
    static QString Escape(const QString &value);
    // The reverse, for values read back from the document.
    static QString Unescape(const QString &value);
};
