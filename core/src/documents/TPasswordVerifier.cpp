#include "documents/TPasswordVerifier.h"

#include "documents/TPbkdf2.h"
#include "utils/Hashes.h"
#include "utils/Passwords.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QStringList>

namespace {

const QLatin1String kPrefix("PBKDF2$");

QByteArray derive(const QString &key, const QByteArray &salt, int iterations)
{
    return TPbkdf2::Derive(QCryptographicHash::Sha256, key.toUtf8(), salt, iterations, 32);
}

// Compares without stopping at the first difference.
bool sameText(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    ushort difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= a.at(i).toUpper().unicode() ^ b.at(i).toUpper().unicode();
    return difference == 0;
}

} // namespace

QString TPasswordVerifier::KeyOf(const QString &password) { return SHA_Hash(password); }

QString TPasswordVerifier::EmptyKey() { return SHA_Hash(QString()); }

QString TPasswordVerifier::Normalise(const QString &key) { return key.isEmpty() ? EmptyKey() : key; }

bool TPasswordVerifier::IsSlowForm(const QString &stored) { return stored.startsWith(kPrefix); }

QString TPasswordVerifier::Create(const QString &key)
{
    const QString normal = Normalise(key);
    if (normal == EmptyKey())
        return SHA_Hash(normal);
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), 4);
    const QByteArray hash = derive(normal, salt, Iterations);
    return kPrefix + QString::number(Iterations) + QLatin1Char('$') + QString::fromLatin1(salt.toBase64())
        + QLatin1Char('$') + QString::fromLatin1(hash.toHex().toUpper());
}

bool TPasswordVerifier::Verify(const QString &stored, const QString &key)
{
    const QString normal = Normalise(key);
    if (!IsSlowForm(stored))
        return !stored.isEmpty() && sameText(stored, SHA_Hash(normal));
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4)
        return false;
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    if (!ok || iterations < 1 || iterations > MaxIterations)
        return false;
    const auto salt = QByteArray::fromBase64Encoding(parts[2].toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!salt || salt.decoded.isEmpty() || parts[3].size() != 64)
        return false;
    return sameText(QString::fromLatin1(derive(normal, salt.decoded, iterations).toHex()), parts[3]);
}
