#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TTalvexStudioBrowserSettings;

// One web browser found on this computer.
struct TFoundBrowser {
    QString name;
    QString path;
    QString parameters; // "%filename%" stands for the previewed file
};

// Collects the browsers the studio utilities find on this computer and adds
// them to the browser list of the preview, with the report the user reads.
class TBrowserFinder
{
public:
    // The folders of $PATH.
    static QStringList SearchPath();
    // Every known browser whose program is an executable file in one of the
    // folders, in the order of the known list; the first folder wins.
    static QList<TFoundBrowser> Find(const QStringList &folders = SearchPath());

    // Adds each browser unless one of the same name and program path is in
    // the list already; returns the report, one line per browser ("Browser
    // "%s" gefunden: %s ... gespeichert." or "... bereits vorhanden."), and
    // a closing line. added counts the new entries.
    static QStringList Store(const QList<TFoundBrowser> &found, TTalvexStudioBrowserSettings &browsers, int *added = nullptr);
    // The lines of Store as one text under the heading "Suchergebnis der
    // Browsersuche:", lines ending in CR LF.
    static QString Report(const QStringList &lines);

    // A browser is a program: an existing file the user may execute.
    static bool IsProgram(const QString &path);
};
