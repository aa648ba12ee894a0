#include "printing/TPrintRules.h"

#include <QFileInfo>

int TPrintRules::ParseCopies(const QString &text)
{
    bool ok = false;
    const int copies = text.trimmed().toInt(&ok);
    return ok && copies >= 1 ? copies : 1;
}

std::optional<int> TPrintRules::ParseZoom(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char('%'));
    bool ok = false;
    const int zoom = digits.trimmed().toInt(&ok);
    // A scale of 0 or below would leave nothing to show; past the largest
    // entry of the box the pages become too large to render.
    if (!ok || zoom < MinZoom || zoom > MaxZoom)
        return std::nullopt;
    return zoom;
}

QString TPrintRules::PreviewCaption(const QString &fileName, int page, int pageCount)
{
    return QStringLiteral("Talvex Studio Druckvorschau - %1 - Seite %2 von %3")
        .arg(QFileInfo(fileName).fileName())
        .arg(page)
        .arg(pageCount);
}

QString TPrintRules::ExpandTabs(const QString &text, int tabWidth)
{
    QString result = text;
    return result.replace(QLatin1Char('\t'), QString(qMax(tabWidth, 1), QLatin1Char(' ')));
}

TPrintRules::TNavigation TPrintRules::Navigation(int page, int pageCount)
{
    TNavigation navigation;
    navigation.first = navigation.previous = page > 1;
    navigation.next = navigation.last = page < pageCount;
    return navigation;
}
