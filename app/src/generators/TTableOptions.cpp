#include "generators/TTableOptions.h"

#include "generators/THtmlAttribute.h"

int TTableOptions::Count(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

QString TTableOptions::Check() const
{
    auto inRange = [](const QString &text) { return Count(text) >= 1 && Count(text) <= MaxCells; };
    if (!inRange(rows))
        return QStringLiteral("Tabelle: Die Zeilenanzahl \"%1\" ist ungültig. Erlaubt sind 1 bis %2 Zeilen.")
            .arg(rows)
            .arg(MaxCells);
    if (!inRange(columns))
        return QStringLiteral("Tabelle: Die Spaltenanzahl \"%1\" ist ungültig. Erlaubt sind 1 bis %2 Spalten pro Zeile.")
            .arg(columns)
            .arg(MaxCells);
    return QString();
}

QString TTableOptions::Attributes() const
{
    static const char *const aligns[] = {"", "align=\"left\" ", "align=\"center\" ", "align=\"right\" "};
    QString a;
    if (alignment > 0 && alignment < 4)
        a += QLatin1String(aligns[alignment]);
    if (useBackground)
        a += QStringLiteral("bgcolor=\"%1\" ").arg(THtmlAttribute::Escape(background));
    if (useSummary)
        a += QStringLiteral("summary=\"%1\" ").arg(THtmlAttribute::Escape(summary));
    a += QStringLiteral("cellpadding=\"%1\" ").arg(THtmlAttribute::Escape(cellPadding));
    a += QStringLiteral("cellspacing=\"%1\" ").arg(THtmlAttribute::Escape(cellSpacing));
    if (useBorder)
        a += QStringLiteral("style=\"%1\"").arg(THtmlAttribute::Escape(border.Css()));
    return a.trimmed();
}

QString TTableOptions::Html(const QString &cellText) const
{
    const int rowCount = Count(rows);
    const int columnCount = Count(columns);
    QString body = QStringLiteral("\r\n");
    for (int r = 0; r < rowCount; ++r) {
        body += QStringLiteral("  <tr>\r\n");
        for (int c = 0; c < columnCount; ++c)
            body += QStringLiteral("    <td>") + cellText + QStringLiteral("</td>\r\n");
        body += QStringLiteral("  </tr>\r\n");
    }
    return QStringLiteral("<table ") + Attributes() + QLatin1Char('>') + body + QStringLiteral("</table>");
}

QString TTableOptions::PreviewHtml() const
{
    if (Count(rows) > PreviewLimit || Count(columns) > PreviewLimit)
        return QStringLiteral("<b>Warnung:</b> Zu viele Zeilen und/oder Spalten ausgew&auml;hlt. Vorschau kann nicht "
                              "angezeigt werden.<br>W&auml;hlen Sie weniger als 100 Spalten und/oder Zeilen aus, um "
                              "die Vorschau anzuzeigen!");
    return Html(QStringLiteral("Talvex Studio"));
}
