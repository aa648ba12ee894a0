#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// SHA-1 and MD5 as upper-case hexadecimal digits. Texts are hashed as their
// Windows-1252 bytes, so values stored by earlier versions still match. A text
// with a character Windows-1252 cannot hold has no such bytes: its hash is the
// empty text, which never equals a stored hash. Callers that store a hash
// check canEncodeWindows1252() first and tell the user.

VYRA_EXPORT QString SHA_Hash(const QString &text);
VYRA_EXPORT QString SHA_HashBytes(const QByteArray &bytes);
// SHA-1 over the whole stream (from its start when it can seek); empty when
// the stream cannot be read.
VYRA_EXPORT QString SHA_HashStream(QIODevice &stream);
VYRA_EXPORT QString MD5_Hash(const QString &text);
VYRA_EXPORT QString MD5_HashBytes(const QByteArray &bytes);
