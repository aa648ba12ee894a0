#include "filetypes/DialogFilters.h"


QStringList FilterStringToQtFilters(const QString &filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        if (description.endsWith(QLatin1Char(')'))) {
            const int open = description.lastIndexOf(QLatin1Char('('));
            if (open >= 0)
                description = description.left(open).trimmed();
        }
        QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : list)
            pattern = pattern.trimmed();
        result.append(QStringLiteral("%1 (%2)").arg(description, list.join(QLatin1Char(' '))));
    }
    return result;
}

bool FormatStrings(const QString &format, const QStringList &arguments, QString &result)
{
    QString out;
    int next = 0;
    for (int i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') {
            out += format[i];
            continue;
        }
        if (i + 1 >= format.size())
            return false;
        const QChar directive = format[++i];
        if (directive == u'%')
            out += QLatin1Char('%');
        else if (directive == u's' && next < arguments.size())
            out += arguments[next++];
        else
            return false;
    }
    result = out;
    return true;
}
