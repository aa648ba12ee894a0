#pragma once

#include "vyra_export.h"

#include <QString>

// The value a stored file keeps to check a password. The key a cipher gets is
// the check value of the password (SHA_Hash); what is stored is derived from
// that key:
// - the slow form "PBKDF2$<iterations>$<salt>$<hash>" (PBKDF2-HMAC-SHA256,
//   Base64 salt, upper-case hexadecimal hash), written for every password
//   that is not empty;
// - the old form SHA_Hash(key), still accepted when reading;
// - the empty password: SHA_Hash of the empty password's key, unchanged.
class VYRA_EXPORT TPasswordVerifier
{
public:
    // Same cost as the key derivation of the AES module we ship.
    static constexpr int Iterations = 200000;
    // A stored form asking for more is refused, so a crafted file cannot stall the program.
    static constexpr int MaxIterations = 2000000;

    // The key for a typed password (empty when it holds a character
    // Windows-1252 cannot store).
    static QString KeyOf(const QString &password);
    // The key of the empty password.
    static QString EmptyKey();
    // An empty key stands for the empty password.
    static QString Normalise(const QString &key);

    // The value to store for a key: slow form, or the empty form for the empty password.
    static QString Create(const QString &key);
    // True when the key matches the stored value in any of the forms above.
    static bool Verify(const QString &stored, const QString &key);
    static bool IsSlowForm(const QString &stored);
};
