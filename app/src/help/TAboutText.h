#pragma once

#include <QString>
#include <QStringList>

// The texts of the about box, apart from the window that shows them.
class TAboutText
{
public:
    static QString Caption();     // "Info über Talvex Studio"
    static QString ProductName(); // "Talvex Studio"
    static QString Description(); // "Die professionelle IDE für HTML und PHP."
    // "Version <version> RC 2, built on <date>"; the date part is left out
    // when the build date is unknown.
    static QString VersionLine(const QString &version, const QString &buildDate);
    // The running program's version line, from the compiled-in values.
    static QString ProgramVersionLine();
    // One line per library the program is built with: name and version as
    // compiled in (Qt also with the version it runs on when they differ).
    static QStringList ComponentLines();
    // Product name, version line, description and the component lines.
    static QString Text(const QString &version, const QString &buildDate);
};
