#pragma once

#include <QString>

// What the picture dialog's fields hold, and the tag they give.
struct TImageOptions
{
    QString source;
    QString alt;
    QString border = QStringLiteral("0");
    QString hspace = QStringLiteral("0");
    QString vspace = QStringLiteral("0");
    // "Normal", "Oben (top)", "Mittig (middle)", "Unten (bottom)",
    // "Links (left)", "Zentriert (center)", "Rechts (right)"
    int alignment = 0;
    bool manualSize = false;
    int width = 0;
    int height = 0;

    static const char *const AlignKeywords[7];
    QString Html() const;
};
