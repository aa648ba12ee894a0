#pragma once

#include "orvane_export.h"

#include <QString>
#include <QUuid>

// Project item identities in stored files: written braced and upper case,
// read in any case, with or without braces.

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
ORVANE_EXPORT QString GuidText(const QUuid &guid);
// The GUID a stored text holds; the null GUID for a text that holds none.
ORVANE_EXPORT QUuid GuidFromText(const QString &text);
