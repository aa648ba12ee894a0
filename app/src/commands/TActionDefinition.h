#pragma once

#include "commands/TEnablingRules.h"

#include <QKeySequence>
#include <QString>

// One command of the main window as the registry creates it.
struct TActionDefinition
{
    QString name;      // the QAction's object name; menus, tool bars and the
                       // shortcut settings refer to the command by it
    QString category;
    QString caption;
    QString hint;      // shown once the command works
    QKeySequence shortcut;
    TEnablingRule enabled = TEnablingRules::Always;
    // The function that serves the command, named in the hint as long as no
    // controller has registered a handler.
    QString missing;
    // Checkable commands: whether the check mark shows (empty: not checkable).
    TEnablingRule checked;
    // Hidden, not only disabled, while the rule says no.
    bool hideWhenDisabled = false;
};
