#include "editing/TBlockText.h"

#include <algorithm>

QString TBlockText::LineBreakOf(const QString &text)
{
    if (text.contains(QLatin1String("\r\n")))
        return QStringLiteral("\r\n");
    if (text.contains(QLatin1Char('\r')))
        return QStringLiteral("\r");
    return QStringLiteral("\n");
}

QString TBlockText::Indent(const QString &text, int column)
{
    const int blanks = std::max(0, column - 1);
    if (blanks == 0)
        return text;
    const QString lineBreak = LineBreakOf(text);
    QString result = text;
    result.replace(lineBreak, lineBreak + QString(blanks, QLatin1Char(' ')));
    return result;
}
