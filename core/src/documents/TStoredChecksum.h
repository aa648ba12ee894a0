#pragma once

#include "vyra_export.h"

#include <QString>
#include <QStringView>

// The checksum of a stored document: SHA_Hash(MD5_Hash(GUID text) followed by
// the enciphered text) followed by SHA_Hash(MD5_Hash(cipher name)), the same
// value as CreateChecksum. The text is converted and hashed piece by piece,
// so a large text is neither copied nor converted as a whole.
class VYRA_EXPORT TStoredChecksum
{
public:
    // Empty when a part holds a character Windows-1252 cannot store.
    static QString Create(const QString &guidText, const QString &name, QStringView text);
};
