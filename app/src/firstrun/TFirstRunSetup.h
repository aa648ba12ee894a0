#pragma once

#include <QString>
#include <QStringList>

class TShellAssociationStore;
class TVYRACore;
class TVYRAExtensions;

// What the user chose in the first-run wizard.
struct TFirstRunChoices {
    QString phpPath;
    bool noPHP = false;          // "Ich habe kein PHP installiert ..."
    bool projectGroups = true;   // *.qpg
    bool templates = true;       // *.qtf
    bool phpFiles = true;        // *.php, *.php3, *.php4, *.php5
};

// The finishing step of the first-run wizard: associates the chosen
// extensions with the program through the desktop's association store,
// stores an existing PHP interpreter in the PHP settings and saves the
// settings. Failures are told the user through the prompter.
class TFirstRunSetup
{
public:
    static QString ProgramId(); // "TalvexStudio"
    // The shell extensions of the ticked boxes (".qpg" ...).
    static QStringList Extensions(const TFirstRunChoices &choices);
    // Announces each extension as opened by the program; the description is
    // the file-type list's. Returns the extensions that could not be written.
    static QStringList Associate(const QStringList &extensions, const TVYRAExtensions *types,
                                 TShellAssociationStore &store);
    // Everything above; true when all of it worked.
    static bool Apply(const TFirstRunChoices &choices, TVYRACore &core, TShellAssociationStore &store);
};
