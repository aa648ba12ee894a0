#pragma once

#include "settings/VYRASettingsTypes.h"

#include <QString>
#include <QStringList>

class TPrompter;
class TVYRAExtensions;

// The states of the search dialog's controls that decide a search.
struct TSearchControls {
    // 0 "In Text suchen", 1 "Suchen und Ersetzen", 2 "In Dateien suchen".
    int tab = 0;
    bool textCase = false, textWholeWord = false, textRegEx = false;
    bool fileCase = false, fileWholeWord = false, fileRegEx = false;
    bool backward = false, selectionOnly = false, fromCursor = false, prompt = true;
};

// The rules of the search dialog, free of widgets.
class TSearchDialogRules
{
public:
    // The option boxes of the shown tab count, never a box ticked on the
    // hidden one.
    static TVYRASearchOptions OptionsFromControls(const TSearchControls &controls);
    // False (after telling the user) when "Markierter Text" is chosen
    // without a selection.
    static bool CheckSelection(bool selectionOnly, bool hasSelection, TPrompter &prompter);
    // False (after telling the user) when xsoUseRegEx is set and the text
    // is no valid regular expression of the program's one dialect.
    static bool CheckRegularExpression(const QString &text, TVYRASearchOptions options, TPrompter &prompter);

    // The file filter list: all supported formats first, then one entry per
    // file type, then all files.
    static QStringList FileFilterEntries(const TVYRAExtensions *extensions);
    // The masks for entry index, or the typed text when no entry is chosen (-1).
    static QString FileMask(const TVYRAExtensions *extensions, int index, const QString &typed);

    static void TellNotFoundInDocument(const QString &text, TPrompter &prompter);
    static void TellNotFoundInFiles(const QString &text, TPrompter &prompter);
};
