#pragma once

#include "vyra_export.h"

#include <QString>

// Wildcard matching: "*" matches any run of characters (also none), "?"
// exactly one character; every other character matches itself.

// Compares characters exactly. At most 8 stars may be in play; reaching the
// ninth raises EWildcardError "CompareWildString(<pattern>, <text>)\r\ntoo
// many levels of '*'".
VYRA_EXPORT bool CompareWildString(const QString &pattern, const QString &text);

// Upper-cases both with the locale's rules, then CompareWildString.
VYRA_EXPORT bool CompareWildText(const QString &pattern, const QString &text);

// File-name masks as the file dialogs know them: several masks separated by
// ";", case-insensitive, no limit on stars, "*.*" matches every name.
VYRA_EXPORT bool MatchesFileMask(const QString &masks, const QString &fileName);
