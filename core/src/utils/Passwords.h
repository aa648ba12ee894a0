#pragma once

#include "vyra_export.h"

#include <QColor>
#include <QString>
#include <QStringView>
#include <QUuid>

// True when a stored password hash stands for "no password": the value is
// empty, equals SHA_Hash of the empty text, or equals SHA_Hash of that hash.
VYRA_EXPORT bool IsEmptyPassword(const QString &stored);

// SHA_Hash(MD5_Hash(guidText) + text) followed by SHA_Hash(MD5_Hash(name)).
// Empty when a part cannot be hashed (a character outside Windows-1252).
VYRA_EXPORT QString CreateChecksum(const QString &guidText, const QString &name, QStringView text);
// The same with the GUID written braced and upper case.
VYRA_EXPORT QString CreateChecksum(const QUuid &guid, const QString &name, QStringView text);
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
VYRA_EXPORT QString GuidToString(const QUuid &guid);

// Strength of a passphrase from 0 to 1, from the entropy of its bytes and of
// the steps between neighbouring bytes and neighbouring keys.
VYRA_EXPORT double PassphraseQuality(const QString &text);
// Below 26 red, 26-60 yellow, 61-80 green, 81-100 lime, else black.
VYRA_EXPORT QColor PassphraseQualityColor(int percent);
