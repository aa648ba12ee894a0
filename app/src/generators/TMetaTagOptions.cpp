#include "generators/TMetaTagOptions.h"

#include "generators/THtmlAttribute.h"

QString TMetaTagOptions::ContentLanguage() const
{
    return countryCode.isEmpty() ? languageCode : languageCode + QLatin1Char('-') + countryCode;
}

QString TMetaTagOptions::Robots() const
{
    const bool index = indexing == miIndexFollow || indexing == miIndexNoFollow;
    const bool follow = indexing == miIndexFollow || indexing == miNoIndexFollow;
    return QString::fromLatin1(index ? "INDEX" : "NOINDEX") + QLatin1Char(',')
        + QString::fromLatin1(follow ? "FOLLOW" : "NOFOLLOW");
}

QString TMetaTagOptions::Html() const
{
    auto name = [](const char *key, const QString &value) {
        return QStringLiteral("<meta name=\"%1\" content=\"%2\" />\r\n")
            .arg(QLatin1String(key), THtmlAttribute::Escape(value));
    };
    auto equiv = [](const char *key, const QString &value) {
        return QStringLiteral("<meta http-equiv=\"%1\" content=\"%2\" />\r\n")
            .arg(QLatin1String(key), THtmlAttribute::Escape(value));
    };
    QString html = equiv("content-type", QStringLiteral("text/html; charset=") + charset);
    html += name("author", author) + name("publisher", publisher) + name("copyright", copyright)
        + name("keywords", keywords);
    if (noCache)
        html += equiv("cache-control", QStringLiteral("no-cache"));
    html += name("description", description) + equiv("content-language", ContentLanguage())
        + name("robots", Robots()) + name("revisit-after", revisit) + name("generator", generator);
    html.chop(2);
    return html;
}
