#include "documents/TStoredChecksum.h"

#include "documents/TStoredText.h"
#include "utils/Hashes.h"

#include <openssl/evp.h>

#include <memory>

namespace {

constexpr qsizetype kPiece = 64 * 1024;

struct DigestDeleter {
    void operator()(EVP_MD_CTX *context) const { EVP_MD_CTX_free(context); }
};

// SHA-1 over prefix and the Windows-1252 bytes of text, as upper-case hex.
// libcrypto uses the processor's SHA instructions where there are some.
QString sha1Of(const QByteArray &prefix, QStringView text)
{
    std::unique_ptr<EVP_MD_CTX, DigestDeleter> context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha1(), nullptr) != 1
        || EVP_DigestUpdate(context.get(), prefix.constData(), size_t(prefix.size())) != 1)
        return {};
    for (qsizetype i = 0; i < text.size(); i += kPiece) {
        bool ok = false;
        const QByteArray bytes = TStoredText::Encode(text.mid(i, qMin(kPiece, text.size() - i)), &ok);
        if (!ok || EVP_DigestUpdate(context.get(), bytes.constData(), size_t(bytes.size())) != 1)
            return {};
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1)
        return {};
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex().toUpper());
}

} // namespace

QString TStoredChecksum::Create(const QString &guidText, const QString &name, QStringView text)
{
    const QString guidHash = MD5_Hash(guidText);
    const QString nameHash = MD5_Hash(name);
    if (guidHash.isEmpty() || nameHash.isEmpty())
        return {};
    const QString first = sha1Of(guidHash.toLatin1(), text);
    if (first.isEmpty())
        return {};
    return first + SHA_Hash(nameHash);
}
