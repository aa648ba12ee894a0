#include "utils/Hashes.h"

#include "utils/Windows1252.h"

#include <QCryptographicHash>

namespace {

QString hexDigest(const QByteArray &bytes, QCryptographicHash::Algorithm algorithm)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, algorithm).toHex().toUpper());
}

QString hashText(const QString &text, QCryptographicHash::Algorithm algorithm)
{
    bool ok = false;
    const QByteArray bytes = toWindows1252(text, &ok);
    return ok ? hexDigest(bytes, algorithm) : QString();
}

} // namespace

QString SHA_Hash(const QString &text) { return hashText(text, QCryptographicHash::Sha1); }

QString SHA_HashBytes(const QByteArray &bytes) { return hexDigest(bytes, QCryptographicHash::Sha1); }

QString SHA_HashStream(QIODevice &stream)
{
    if (!stream.isReadable() || (!stream.isSequential() && !stream.seek(0)))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&stream))
        return {};
    return QString::fromLatin1(hash.result().toHex().toUpper());
}

QString MD5_Hash(const QString &text) { return hashText(text, QCryptographicHash::Md5); }

QString MD5_HashBytes(const QByteArray &bytes) { return hexDigest(bytes, QCryptographicHash::Md5); }
