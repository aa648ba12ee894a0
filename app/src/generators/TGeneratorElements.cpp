#include "generators/TGeneratorElements.h"


#include <QRegularExpression>

std::array<QString, 4> TGeneratorElements::SideValues(const QString &value)
{
    const QStringList v = value.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    switch (v.size()) {
    case 0:
        return {};
    case 1:
        return {v[0], v[0], v[0], v[0]};
    case 2:
        return {v[0], v[1], v[0], v[1]};
    case 3:
        return {v[0], v[1], v[2], v[1]};
    default:
        return {v[0], v[1], v[2], v[3]};
    }
}

TTableOptions TGeneratorElements::Table(const THtmlElementFinder::TElement &table)
{
    TTableOptions o;
    const QHash<QString, QString> &a = table.attributes;
    static const QRegularExpression row(QStringLiteral("<tr\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression cell(QStringLiteral("<t[dh]\\b"), QRegularExpression::CaseInsensitiveOption);
    o.rows = QString::number(table.inner.count(row));
    const int firstRow = int(table.inner.indexOf(row));
    const int secondRow = firstRow < 0 ? -1 : int(table.inner.indexOf(row, firstRow + 1));
    o.columns = QString::number(firstRow < 0 ? 0 : table.inner.mid(firstRow, secondRow < 0 ? -1 : secondRow - firstRow).count(cell));
    const QStringList aligns = {QString(), QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")};
    o.alignment = std::max(0, int(aligns.indexOf(a.value(QStringLiteral("align")).toLower())));
    o.useBackground = a.contains(QStringLiteral("bgcolor"));
    o.background = o.useBackground ? a.value(QStringLiteral("bgcolor")) : o.background;
    o.useSummary = a.contains(QStringLiteral("summary"));
    o.summary = a.value(QStringLiteral("summary"));
    o.cellPadding = a.value(QStringLiteral("cellpadding"), o.cellPadding);
    o.cellSpacing = a.value(QStringLiteral("cellspacing"), o.cellSpacing);
    const QString style = a.value(QStringLiteral("style"));
    for (const QString &declaration : style.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = declaration.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
        const std::array<QString, 4> values = SideValues(declaration.section(QLatin1Char(':'), 1));
        for (int side = 0; side < 4; ++side) {
            TTableBorderStyle &s = o.border.Side(TTableBorderStyles::TSide(side));
            if (name == QLatin1String("border-style")) {
                o.useBorder = true;
                for (int i = 0; i < TTableBorderStyles::StyleCaptions().size(); ++i)
                    if (TTableBorderStyles::StyleKeyword(i) == values[size_t(side)].toLower())
                        s.StyleIndex = i;
            } else if (name == QLatin1String("border-color")) {
                s.BorderColor = values[size_t(side)];
            } else if (name == QLatin1String("border-width")) {
                s.BorderWidth = values[size_t(side)];
            }
        }
    }
    return o;
}

TMetaTagOptions TGeneratorElements::Meta(const THtmlElementFinder::TElement &block)
{
    TMetaTagOptions o;
    static const QRegularExpression tag(QStringLiteral("<meta\\b(?:[^>\"']|\"[^\"]*\"|'[^']*')*>"),
                                        QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatchIterator it = tag.globalMatch(block.inner);
    while (it.hasNext()) {
        const QHash<QString, QString> a = THtmlElementFinder::Attributes(it.next().captured());
        const QString key = a.value(QStringLiteral("name"), a.value(QStringLiteral("http-equiv"))).toLower();
        const QString content = a.value(QStringLiteral("content"));
        if (key == QLatin1String("author"))
            o.author = content;
        else if (key == QLatin1String("publisher"))
            o.publisher = content;
        else if (key == QLatin1String("copyright"))
            o.copyright = content;
        else if (key == QLatin1String("keywords"))
            o.keywords = content;
        else if (key == QLatin1String("description"))
            o.description = content;
        else if (key == QLatin1String("revisit-after"))
            o.revisit = content;
        else if (key == QLatin1String("cache-control"))
            o.noCache = content.compare(QLatin1String("no-cache"), Qt::CaseInsensitive) == 0;
        else if (key == QLatin1String("content-language")) {
            o.languageCode = content.section(QLatin1Char('-'), 0, 0).toLower();
            o.countryCode = content.section(QLatin1Char('-'), 1).toUpper();
        } else if (key == QLatin1String("robots")) {
            const QString robots = content.toUpper();
            const bool noIndex = robots.contains(QLatin1String("NOINDEX"));
            const bool noFollow = robots.contains(QLatin1String("NOFOLLOW"));
            o.indexing = (noIndex ? 2 : 0) + (noFollow ? 1 : 0);
        }
    }
    return o;
}

TLinkOptions TGeneratorElements::Link(const THtmlElementFinder::TElement &link)
{
    TLinkOptions o;
    const QString href = link.attributes.value(QStringLiteral("href"));
    o.target = link.attributes.value(QStringLiteral("target"));
    if (href.startsWith(QLatin1Char('#'))) {
        o.kind = TLinkOptions::lkAnchor;
        o.anchor = href.mid(1);
        return o;
    }
    for (const char *protocol : TLinkOptions::Protocols) {
        if (href.startsWith(QLatin1String(protocol), Qt::CaseInsensitive)) {
            o.kind = TLinkOptions::lkExternal;
            o.protocol = QLatin1String(protocol);
            o.address = href.mid(int(qstrlen(protocol)));
            return o;
        }
    }
    o.kind = TLinkOptions::lkFile;
    o.file = href;
    return o;
}

TImageOptions TGeneratorElements::Image(const THtmlElementFinder::TElement &image)
{
    TImageOptions o;
    const QHash<QString, QString> &a = image.attributes;
    o.source = a.value(QStringLiteral("src"));
    o.alt = a.value(QStringLiteral("alt"));
    o.border = a.value(QStringLiteral("border"), o.border);
    o.hspace = a.value(QStringLiteral("hspace"), o.hspace);
    o.vspace = a.value(QStringLiteral("vspace"), o.vspace);
    const QString align = a.value(QStringLiteral("align")).toLower();
    for (int i = 1; i < 7; ++i)
        if (align == QLatin1String(TImageOptions::AlignKeywords[i]))
            o.alignment = i;
    o.manualSize = a.contains(QStringLiteral("width")) || a.contains(QStringLiteral("height"));
    o.width = a.value(QStringLiteral("width")).toInt();
    o.height = a.value(QStringLiteral("height")).toInt();
    return o;
}
