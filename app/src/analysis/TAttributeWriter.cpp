#include "analysis/TAttributeWriter.h"

#include "analysis/TTagScanner.h"

QString TAttributeWriter::Escape(const QString &value)
{
    QString escaped = value;
    escaped.replace(u'"', QStringLiteral("&quot;"));
    return escaped;
}

QString TAttributeWriter::Write(const QString &tagText, const QString &name, const QString &value,
                                TVYRAHTMLAttributeType kind)
{
    const TTagScanner::TTagSpan tag = TTagScanner::FindTag(tagText, 0);
    if (!tag.IsValid() || name.isEmpty())
        return tagText;
    QString written = value;
    if (kind == atBoolean) {
        if (value.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
            written.clear();
        else if (value.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
            written = name;
    }
    const QString assignment = name + QStringLiteral("=\"") + Escape(written) + u'"';

    const int attributesStart = tag.NameEnd;
    const QStringView attributeText = QStringView(tagText).mid(attributesStart, tag.Close - attributesStart);
    for (const TTagScanner::TAttributeSpan &attribute : TTagScanner::ScanAttributes(attributeText)) {
        if (attribute.Name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        int start = attributesStart + attribute.Start;
        const int end = attributesStart + attribute.End;
        if (!written.isEmpty())
            return tagText.left(start) + assignment + tagText.mid(end);
        // Removed with the blanks in front of it.
        while (start > attributesStart && TTagScanner::IsBlank(tagText[start - 1]))
            --start;
        return tagText.left(start) + tagText.mid(end);
    }
    if (written.isEmpty())
        return tagText;
    const QChar next = tagText[attributesStart];
    const bool continuesHere = next != u'>' && !TTagScanner::IsBlank(next);
    return tagText.left(attributesStart) + u' ' + assignment + (continuesHere ? QStringLiteral(" ") : QString())
        + tagText.mid(attributesStart);
}
