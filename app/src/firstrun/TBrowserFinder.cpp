#include "firstrun/TBrowserFinder.h"

#include "settings/TTalvexStudioBrowserSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace {

struct TKnownBrowser {
    const char *program;
    const char *name;
    const char *parameters;
};

// Named as the desktops name them; xdg-open stands for the user's default browser.
const TKnownBrowser kKnownBrowsers[] = {
    {"firefox", "Mozilla Firefox", "\"%filename%\""},
    {"firefox-esr", "Mozilla Firefox ESR", "\"%filename%\""},
    {"chromium", "Chromium", "\"%filename%\""},
    {"google-chrome", "Google Chrome", "\"%filename%\""},
    {"epiphany-browser", "GNOME Web", "\"%filename%\""},
    {"konqueror", "Konqueror", "\"%filename%\""},
    {"falkon", "Falkon", "\"%filename%\""},
    {"xdg-open", "Standardbrowser (xdg-open)", "\"%filename%\""},
};

} // namespace

QStringList TBrowserFinder::SearchPath()
{
    const QString path = QProcessEnvironment::systemEnvironment().value(QStringLiteral("PATH"));
    return path.split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

QList<TFoundBrowser> TBrowserFinder::Find(const QStringList &folders)
{
    QList<TFoundBrowser> found;
    for (const TKnownBrowser &known : kKnownBrowsers) {
        for (const QString &folder : folders) {
            const QFileInfo program(QDir(folder), QString::fromLatin1(known.program));
            if (program.isFile() && program.isExecutable()) {
                found.append({QString::fromUtf8(known.name), QDir::cleanPath(program.absoluteFilePath()),
                              QString::fromLatin1(known.parameters)});
                break;
            }
        }
    }
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
