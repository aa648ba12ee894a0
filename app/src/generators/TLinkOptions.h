#pragma once

#include <QString>

// What the hyperlink dialog's fields hold, and the link they give.
struct TLinkOptions
{
    enum TKind { lkFile, lkAnchor, lkExternal };

    TKind kind = lkFile;
    QString file;      // already processed for the web
    QString anchor;    // name of an anchor in this file
    QString protocol = QStringLiteral("http://");
    QString address;
    QString target;

    static const char *const Protocols[8];

    // The file, "#" + anchor, or protocol + address.
    QString Href() const;
    // "href=\"...\"" and, when the target is not blank, " target=\"...\"".
    QString Attributes() const;
    QString OpeningTag() const;
    // "<a ...>" + content + "</a>"; the content is the selection, or
    // "%cursor%" so that the caret lands between the tags.
    QString Html(const QString &content) const;
};
