#pragma once

#include "vyra_export.h"

#include <QString>

// One file-name extension to announce to the desktop.
struct VYRA_EXPORT TShellRegistration {
    QString extension;   // ".php"
    QString appId;       // the program's id, e.g. "TalvexStudio"
    QString description; // shown for a file type of our own
    bool open = false;   // the program opens files of this type
    bool edit = false;   // the extra verb below is offered
    QString verbKey;     // "edit"
    QString verbCaption; // "Mit Talvex Studio bearbeiten"
    QString iconPath;    // empty: no icon
};

// Where shell associations are kept. The program uses the per-user XDG
// files; tests put the same files into a temporary folder.
class VYRA_EXPORT TShellAssociationStore
{
public:
    virtual ~TShellAssociationStore();
    virtual bool Register(const TShellRegistration &registration) = 0;
    // 0 none, 1 open, 2 the extra verb, 3 both (the TExtensionMode values).
    virtual int RegisteredVerbs(const QString &extension, const QString &verbKey) const = 0;

    // The store of the process; without one set, the per-user XDG store for
    // the running program.
    static TShellAssociationStore &instance();
    // Sets the store (not owned); nullptr restores the default.
    static void setInstance(TShellAssociationStore *store);
};
