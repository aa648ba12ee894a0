#pragma once

#include "vyra_export.h"

#include <QString>

// Which shell verbs a pattern may be registered for. Stored by name.
enum TExtensionMode { etNone = 0, etOpen = 1, etEdit = 2, etBoth = 3 };

// Official types come with the program; only custom ones can be removed.
enum TVYRAExtensionGroupType { egtOfficial = 0, egtCustom = 1 };

VYRA_EXPORT QString ExtensionModeName(TExtensionMode mode);
// Unknown names give etNone.
VYRA_EXPORT TExtensionMode ExtensionModeFromName(const QString &name);
VYRA_EXPORT QString ExtensionGroupTypeName(TVYRAExtensionGroupType type);
// Missing or unknown names give egtCustom.
VYRA_EXPORT TVYRAExtensionGroupType ExtensionGroupTypeFromName(const QString &name);
