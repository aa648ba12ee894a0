#include "firstrun/TBrowserFinder.h"

#include "settings/TTalvexStudioBrowserSettings.h"
#include "utils/TStudioUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

QStringList TBrowserFinder::SearchPath()
{
    const QString path = QProcessEnvironment::systemEnvironment().value(QStringLiteral("PATH"));
    return path.split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

QList<TFoundBrowser> TBrowserFinder::Find(const QStringList &folders)
{
    QList<TFoundBrowser> found;
    // An empty list would make the utilities search $PATH after all.
    if (folders.isEmpty())
        return found;
    TStudioUtils::FindBrowsers(
        [&found](const QString &name, const QString &path, const QString &parameters) {
            found.append({name, QDir::cleanPath(QFileInfo(path).absoluteFilePath()), parameters});
        },
        folders);
    return found;
}

QStringList TBrowserFinder::Store(const QList<TFoundBrowser> &found, TTalvexStudioBrowserSettings &browsers, int *added)
{
    QStringList report;
    int count = 0;
    for (const TFoundBrowser &browser : found) {
        bool present = false;
        for (int i = 0; i < browsers.Count(); ++i) {
            const TTalvexStudioBrowser *item = browsers.Items(i);
            present = present || (item->BrowserName == browser.name && item->Path == browser.path);
        }
        if (!present) {
            TTalvexStudioBrowser *item = browsers.Add();
            item->BrowserName = browser.name;
            item->Path = browser.path;
            item->ParamString = browser.parameters;
            ++count;
        }
        report << QStringLiteral("Browser \"%1\" gefunden: %2 ... %3.")
                      .arg(browser.name, QDir::toNativeSeparators(browser.path),
                           present ? QStringLiteral("bereits vorhanden") : QStringLiteral("gespeichert"));
    }
    report << (found.isEmpty() ? QStringLiteral("Suche abgeschlossen. Es liegen keine Ergebnisse vor.")
                               : QStringLiteral("Suche abgeschlossen."));
    if (added)
        *added = count;
    return report;
}

QString TBrowserFinder::Report(const QStringList &lines)
{
    QString text = QStringLiteral("Suchergebnis der Browsersuche:\r\n");
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

bool TBrowserFinder::IsProgram(const QString &path)
{
    const QFileInfo program(path);
    return !path.trimmed().isEmpty() && program.isFile() && program.isExecutable();
}
