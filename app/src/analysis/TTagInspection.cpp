#include "analysis/TTagInspection.h"

#include "analysis/TTagScanner.h"
#include "completion/TVYRAHTMLTagList.h"

QString TTagInspection::Value(const QString &name) const
{
    for (const QString &entry : Attributes) {
        const qsizetype equals = entry.indexOf(u'=');
        if (equals == name.size() && entry.startsWith(name, Qt::CaseInsensitive))
            return entry.mid(equals + 1);
    }
    return QString();
}

TTagInspection TTagInspection::Inspect(const QString &text, int caret, const TVYRAHTMLTagList &tags)
{
    TTagInspection result;
    const TTagScanner::TTagSpan span = TTagScanner::FindTag(text, caret);
    if (!span.IsValid())
        return result;
    const int index = tags.IndexOf(span.Name);
    if (index < 0)
        return result;
    result.TagIndex = index;
    result.TagStart = span.Open;
    result.TagLength = span.Close - span.Open + 1;
    result.Attributes =
        TTagScanner::ParseAttributes(QStringView(text).mid(span.NameEnd, span.Close - span.NameEnd));
    return result;
}
