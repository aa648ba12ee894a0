#include "documents/TPbkdf2.h"

#include <openssl/evp.h>

QByteArray TPbkdf2::Derive(QCryptographicHash::Algorithm algorithm, const QByteArray &password,
                           const QByteArray &salt, int iterations, int length)
{
    const EVP_MD *digest = nullptr;
    if (algorithm == QCryptographicHash::Sha256)
        digest = EVP_sha256();
    else if (algorithm == QCryptographicHash::Sha1)
        digest = EVP_sha1();
    if (!digest || iterations < 1 || length < 1)
        return {};
    QByteArray key(length, Qt::Uninitialized);
    const int ok = PKCS5_PBKDF2_HMAC(password.constData(), int(password.size()),
                                     reinterpret_cast<const unsigned char *>(salt.constData()), int(salt.size()),
                                     iterations, digest, length, reinterpret_cast<unsigned char *>(key.data()));
    return ok == 1 ? key : QByteArray();
}
