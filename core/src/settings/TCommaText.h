#pragma once

#include "vyra_export.h"

#include <QString>
#include <QStringList>

// The comma-separated text form of a string list: items that contain a blank,
// a control character, a comma or a double quote are enclosed in double quotes
// with inner quotes doubled; a list of one empty item is written as "".
// Reading also splits unquoted items at blanks, as the stored form always
// quotes items with blanks.
class VYRA_EXPORT TCommaText
{
public:
    static QString Join(const QStringList &items);
    static QStringList Split(const QString &text);

private:
    static bool NeedsQuotes(const QString &item);
    static QString ReadQuoted(const QString &text, qsizetype &pos);
    static void SkipBlanks(const QString &text, qsizetype &pos);
};
