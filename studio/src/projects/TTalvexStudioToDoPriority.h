#pragma once

#include "orvane_export.h"

#include <QString>
#include <optional>

// How urgent a ToDo entry is; stored by name ("tdpMedium").
enum TTalvexStudioToDoPriority {
    tdpLowest = 0,
    tdpLower,
    tdpLow,
    tdpMedium,
    tdpHigh,
    tdpHigher,
    tdpHighest = 6,
};

// The stored name of a priority; empty for a value outside the enumeration.
ORVANE_EXPORT QString ToDoPriorityName(TTalvexStudioToDoPriority priority);
// The priority a stored name stands for (exact spelling), nullopt for any other text.
ORVANE_EXPORT std::optional<TTalvexStudioToDoPriority> ToDoPriorityFromName(const QString &name);
