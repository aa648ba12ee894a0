#pragma once

#include <QString>

// What the META tag generator's fields hold, and the tags they give.
struct TMetaTagOptions
{
    enum TIndexing { miIndexFollow, miIndexNoFollow, miNoIndexFollow, miNoIndexNoFollow };

    QString author;
    QString publisher;
    QString copyright;
    QString keywords;
    QString description;
    QString languageCode = QStringLiteral("de");
    QString countryCode; // empty: no country chosen
    int indexing = miIndexFollow;
    QString revisit = QStringLiteral("2 days");
    bool noCache = false;
    // The document's encoding as HTML names it ("utf-8", "windows-1252" ...).
    QString charset = QStringLiteral("utf-8");
    QString generator; // "Talvex Studio " + version

    QString ContentLanguage() const;
    QString Robots() const;
    // The META lines, joined by CR LF, without a break after the last one.
    QString Html() const;
};
