#pragma once

#include <QString>

class TPrompter;

// The pages of the first-run wizard and what the buttons and texts show on
// each, apart from the window.
class TFirstRunPages
{
public:
    enum TPage { fpWelcome = 0, fpBrowsers, fpExtensions, fpPHP, fpFinish };
    static constexpr int Count = 5;

    static QString Caption(); // "Willkommen bei Talvex Studio"
    static QString PageName(int page);
    static QString Title(int page);
    static QString Description(int page);
    static QString BackCaption();   // "< Zurück"
    static QString CancelCaption(); // "Abbrechen"
    // "Fertig stellen" on the last page, else "Weiter >".
    static QString NextCaption(int page);
    static bool BackEnabled(int page);
    // "Klicken Sie auf "<next caption>", um fortzufahren."
    static QString Footer(int page);

    // The interpreter path the PHP page starts with.
    static QString DefaultPHPPath();
    static bool IsPHPPathValid(const QString &path);
    // "Datei nicht gefunden!" while the file does not exist, else empty.
    static QString PHPPathHint(const QString &path);
    // Whether the wizard may go on from the PHP page: yes with a valid path
    // or with "no PHP" ticked; otherwise the user is asked whether to go on
    // without one (No stays on the page).
    static bool MayLeavePHPPage(const QString &path, bool noPHP, TPrompter &prompter);
};
