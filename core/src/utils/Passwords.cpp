#include "utils/Passwords.h"

#include "utils/Hashes.h"
#include "utils/Windows1252.h"

#include <openssl/evp.h>

#include <array>
#include <cmath>
#include <memory>

namespace {

// The German keyboard rows, unshifted then shifted (Latin-1).
const QByteArray &keyboard()
{
    static const QByteArray keys = QStringLiteral("^1234567890ß´qwertzuiopü+asdfghjklöä#<yxcvbnm,.-"
                                                  "°!\"§$%&/()=?`QWERTZUIOPÜ*ASDFGHJKLÖÄ'>YXCVBNM;:_")
                                       .toLatin1();
    return keys;
}

// Shannon entropy in bits per symbol of the byte histogram.
double entropy(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return 0.0;
    std::array<int, 256> counts{};
    for (const char byte : bytes)
        ++counts[static_cast<unsigned char>(byte)];
    double result = 0.0;
    for (const int count : counts) {
        if (count == 0)
            continue;
        const double p = double(count) / double(bytes.size());
        result -= p * std::log2(p);
    }
    return result;
}

// Byte i minus byte i+1, modulo 256.
QByteArray differences(const QByteArray &bytes)
{
    QByteArray result;
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i)
        result.append(char(static_cast<unsigned char>(bytes.at(i)) - static_cast<unsigned char>(bytes.at(i + 1))));
    return result;
}

// Every byte found on the keyboard replaced by its 1-based key position.
QByteArray keyPositions(const QByteArray &bytes)
{
    QByteArray result = bytes;
    for (char &byte : result) {
        const qsizetype index = keyboard().indexOf(byte);
        if (index >= 0)
            byte = char(index + 1);
    }
    return result;
}

// The passphrase's 8-bit characters: Windows-1252 where it has a code, the
// UTF-8 bytes of any other character, so such characters still add strength.
QByteArray passphraseBytes(const QString &text)
{
    QByteArray result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            length = 2;
        const QString character = text.mid(i, length);
        bool ok = false;
        const QByteArray encoded = toWindows1252(character, &ok);
        result += ok ? encoded : character.toUtf8();
        i += length - 1;
    }
    return result;
}

} // namespace

bool IsEmptyPassword(const QString &stored)
{
    if (stored.isEmpty())
        return true;
    const QString emptyHash = SHA_Hash(QString());
    return stored.compare(emptyHash, Qt::CaseInsensitive) == 0
        || stored.compare(SHA_Hash(emptyHash), Qt::CaseInsensitive) == 0;
}

namespace {

struct DigestDeleter {
    void operator()(EVP_MD_CTX *context) const { EVP_MD_CTX_free(context); }
};

// SHA-1 over prefix and the Windows-1252 bytes of text, as upper-case hex,
// converted and hashed piece by piece: a document's text is neither copied
// nor converted as a whole. Empty when a character has no code.
QString sha1Of(const QByteArray &prefix, QStringView text)
{
    constexpr qsizetype Piece = 64 * 1024;
    std::unique_ptr<EVP_MD_CTX, DigestDeleter> context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha1(), nullptr) != 1
        || EVP_DigestUpdate(context.get(), prefix.constData(), size_t(prefix.size())) != 1)
        return {};
    for (qsizetype i = 0; i < text.size(); i += Piece) {
        bool ok = false;
        const QByteArray bytes = toWindows1252(text.mid(i, qMin(Piece, text.size() - i)), &ok);
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

QString CreateChecksum(const QString &guidText, const QString &name, QStringView text)
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

QString GuidToString(const QUuid &guid) { return guid.toString(QUuid::WithBraces).toUpper(); }

QString CreateChecksum(const QUuid &guid, const QString &name, QStringView text)
{
    return CreateChecksum(GuidToString(guid), name, text);
}

double PassphraseQuality(const QString &text)
{
    const QByteArray bytes = passphraseBytes(text);
    const double base = entropy(bytes);
    if (base == 0.0)
        return 0.0;
    double d1 = 0.0;
    double d2 = 0.0;
    if (bytes.size() >= 2) {
        d1 = entropy(differences(bytes));
        d2 = entropy(differences(keyPositions(bytes)));
    }
    const double c = d1 + d2;
    const double factor = c != 0.0 ? c / 64.0 : 0.0;
    return qMin(1.0, std::fabs(base * std::log10(double(bytes.size())) * factor));
}

QColor PassphraseQualityColor(int percent)
{
    if (percent < 26)
        return QColor(255, 0, 0);
    if (percent <= 60)
        return QColor(255, 255, 0);
    if (percent <= 80)
        return QColor(0, 128, 0);
    if (percent <= 100)
        return QColor(0, 255, 0);
    return QColor(0, 0, 0);
}
