#pragma once

#include "vyra_export.h"

#include <QString>

// What a node of a project group stands for.
enum TVYRAProjectItemType { pitFile = 0, pitFolder, pitSpecial, pitUnknown };

// Whether a project group keeps its tree in step with the disk: copy files
// added from outside in, move them in, or leave the disk alone.
enum TVYRASyncFileMode { sfmSynchronize = 0, sfmSynchronizeMoveFile = 1, sfmDontSynrchronize = 2 };

// What happens when a moved node meets a sibling of the same name.
enum TVYRARenameAction { racCancel = 0, racOverwrite, racAutoRename };

// Stored names of the enumerations ("pitFile", "sfmSynchronize" ...).
VYRA_EXPORT QString ProjectItemTypeName(TVYRAProjectItemType type);
// pitUnknown for a name it does not know.
VYRA_EXPORT TVYRAProjectItemType ProjectItemTypeFromName(const QString &name);

VYRA_EXPORT QString SyncFileModeName(TVYRASyncFileMode mode);
// Reads the stored mode: the decimal ordinal we write or the enumeration
// name. Anything else means no synchronisation, so a damaged value never
// lets the group touch the disk.
VYRA_EXPORT TVYRASyncFileMode SyncFileModeFromText(const QString &text);
