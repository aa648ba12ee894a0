#include "structure/TTagInspectorItems.h"

#include "analysis/TTagInspection.h"
#include "completion/TVYRAHTMLTag.h"

const QString TTagInspectorItems::NoTagHeader = QStringLiteral("Tag-Inspektor: Kein Tag");
const QString TTagInspectorItems::NoTagHelp =
    QStringLiteral("Es ist kein Tag ausgewählt. Wählen Sie einen Tag aus, um Hilfe anzuzeigen.");
const QString TTagInspectorItems::NoTagStatus = QStringLiteral("Tag-Inspektor: Es ist kein Tag ausgewählt.");

QString TTagInspectorItems::HeaderText(const QString &tagName)
{
    return QStringLiteral("Tag-Inspektor: <%1> - Tag").arg(tagName);
}

QString TTagInspectorItems::EditingText(const QString &tagName, const QString &attribute)
{
    return QStringLiteral("Tag-Inspektor: <%1>-Tag, %2-Attribut").arg(tagName, attribute);
}

QString TTagInspectorItems::ReferenceUrl(const QString &tagName)
{
    return QStringLiteral("https://developer.mozilla.org/de/docs/Web/HTML/Element/%1").arg(tagName);
}

QList<TPropertyGridItem> TTagInspectorItems::Build(const TVYRAHTMLTag &tag, const TTagInspection &inspection,
                                                   int page)
{
    QList<TPropertyGridItem> items;
    for (int i = 0; i < tag.GetCount(); ++i) {
        const TVYRAHTMLTagAttribute &attribute = tag.GetAttributes(i);
        if ((attribute.AttributeType == atEvent) != (page == tpEvents))
            continue;
        TPropertyGridItem item;
        item.Name = attribute.Name;
        item.Hint = attribute.HelpText;
        const QString written = inspection.Value(attribute.Name);
        item.Value = written;
        switch (attribute.AttributeType) {
        case atBoolean:
            item.Kind = TPropertyKind::pkBoolean;
            item.TrueText = attribute.Name;
            // True when written as its own name; a bare attribute has no value in the list.
            item.Value = written.compare(attribute.Name, Qt::CaseInsensitive) == 0 ? attribute.Name : QString();
            break;
        case atSelect:
            item.Kind = TPropertyKind::pkList;
            item.Choices = attribute.Values;
            break;
        case atColor:
            item.Kind = TPropertyKind::pkColor;
            break;
        default:
            item.Kind = TPropertyKind::pkText;
            break;
        }
        items << item;
    }
    return items;
}
