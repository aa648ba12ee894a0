#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QCryptographicHash>

// PBKDF2 with HMAC over SHA-256 or SHA-1, computed by libcrypto, which is many
// times faster than Qt's generic implementation; the cost of a slow verifier
// then lies in its iterations, not in the implementation.
class VYRA_EXPORT TPbkdf2
{
public:
    // The derived key of length bytes; empty for an unsupported algorithm, a
    // length or count below 1, or a failure of the library.
    static QByteArray Derive(QCryptographicHash::Algorithm algorithm, const QByteArray &password,
                             const QByteArray &salt, int iterations, int length);
};
