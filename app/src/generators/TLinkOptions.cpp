#include "generators/TLinkOptions.h"

#include "generators/THtmlAttribute.h"

const char *const TLinkOptions::Protocols[8] = {"http://", "ftp://",    "mailto:", "nntp://",
                                                "gopher://", "file://", "ed2k://", "torrent://"};

QString TLinkOptions::Href() const
{
    switch (kind) {
    case lkAnchor:
        // An anchor of the same page is addressed by its name after "#".
        return QLatin1Char('#') + anchor;
    case lkExternal:
        return protocol + address;
    default:
        return file;
    }
}

QString TLinkOptions::Attributes() const
{
    QString a = QStringLiteral("href=\"%1\"").arg(THtmlAttribute::Escape(Href()));
    if (!target.trimmed().isEmpty())
        a += QStringLiteral(" target=\"%1\"").arg(THtmlAttribute::Escape(target.trimmed()));
    return a;
}

QString TLinkOptions::OpeningTag() const
{
    return QStringLiteral("<a ") + Attributes() + QLatin1Char('>');
}

QString TLinkOptions::Html(const QString &content) const
{
    return OpeningTag() + content + QStringLiteral("</a>");
}
