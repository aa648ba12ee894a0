#pragma once

#include "generators/TTableBorderStyles.h"

#include <QString>

// What the table generator's fields hold, and the table they give.
struct TTableOptions
{
    static constexpr int MaxCells = 1000; // rows, and columns per row
    static constexpr int PreviewLimit = 100;

    QString rows = QStringLiteral("1");
    QString columns = QStringLiteral("1");
    int alignment = 0; // "(Standard)", "links", "zentriert", "rechts"
    bool useBackground = false;
    QString background = QStringLiteral("#FFFFFF");
    bool useSummary = false;
    QString summary;
    QString cellPadding = QStringLiteral("0");
    QString cellSpacing = QStringLiteral("0");
    bool useBorder = false;
    TTableBorderStyles border;

    // A text that is no number counts as 0.
    static int Count(const QString &text);
    // Empty when rows and columns lie in 1 ... MaxCells, else the German message.
    QString Check() const;
    // The attributes of the opening tag, trimmed.
    QString Attributes() const;
    // "<table ...>" CR LF, the rows of cells holding cellText, "</table>".
    QString Html(const QString &cellText = QString()) const;
    // What the preview pane shows: the table with sample cells, or a warning
    // when there are more than PreviewLimit rows or columns.
    QString PreviewHtml() const;
};
