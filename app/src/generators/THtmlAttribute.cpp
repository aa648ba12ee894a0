#include "generators/THtmlAttribute.h"

QString THtmlAttribute::Escape(const QString &value)
{
    return QString(value).replace(QLatin1Char('"'), QLatin1String("&quot;"));
}

QString THtmlAttribute::Unescape(const QString &value)
{
    return QString(value).replace(QLatin1String("&quot;"), QLatin1String("\""));
}
