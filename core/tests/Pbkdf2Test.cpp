#include "documents/TPasswordVerifier.h"
#include "documents/TPbkdf2.h"

#include <QMessageAuthenticationCode>
#include <gtest/gtest.h>

namespace {

QByteArray derive(QCryptographicHash::Algorithm algorithm, const char *password, const char *salt, int iterations,
                  int length)
{
    return TPbkdf2::Derive(algorithm, password, salt, iterations, length).toHex();
}

// PBKDF2 as RFC 8018 writes it, over Qt's HMAC: an independent reference.
QByteArray referencePbkdf2(const QByteArray &password, const QByteArray &salt, int iterations, int length)
{
    QByteArray key;
    for (quint32 block = 1; key.size() < length; ++block) {
        QByteArray index(4, Qt::Uninitialized);
        for (int i = 0; i < 4; ++i)
            index[i] = char(block >> (24 - 8 * i));
        QByteArray u = QMessageAuthenticationCode::hash(salt + index, password, QCryptographicHash::Sha256);
        QByteArray t = u;
        for (int round = 1; round < iterations; ++round) {
            u = QMessageAuthenticationCode::hash(u, password, QCryptographicHash::Sha256);
            for (qsizetype i = 0; i < t.size(); ++i)
                t[i] = char(t[i] ^ u[i]);
        }
        key += t;
    }
    return key.left(length);
}

} // namespace

// Published PBKDF2-HMAC-SHA256 vectors (RFC 7914 and the common test set).
TEST(Pbkdf2, KnownSha256Vectors)
{
    const auto sha256 = QCryptographicHash::Sha256;
    EXPECT_EQ(derive(sha256, "password", "salt", 1, 32),
              "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
    EXPECT_EQ(derive(sha256, "password", "salt", 4096, 32),
              "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
    EXPECT_EQ(derive(sha256, "passwd", "salt", 1, 64),
              "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
              "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783");
    EXPECT_EQ(derive(sha256, "Password", "NaCl", 80000, 64),
              "4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"
              "a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f33c8d");
    // A key longer than one block of the digest.
    EXPECT_EQ(derive(sha256, "passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 40),
              "348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1c635518c7dac47e9");
}

TEST(Pbkdf2, KnownSha1VectorAndRefusedArguments)
{
    EXPECT_EQ(derive(QCryptographicHash::Sha1, "password", "salt", 4096, 20), "4b007901b765489abead49d926f721d065a429c1");
    EXPECT_TRUE(TPbkdf2::Derive(QCryptographicHash::Md5, "p", "s", 1, 16).isEmpty());
    EXPECT_TRUE(TPbkdf2::Derive(QCryptographicHash::Sha256, "p", "s", 0, 16).isEmpty());
    EXPECT_TRUE(TPbkdf2::Derive(QCryptographicHash::Sha256, "p", "s", 1, 0).isEmpty());
}

// Verifiers written before libcrypto computed the derivation must still check.
TEST(Pbkdf2, SameResultsAsReferenceImplementation)
{
    const QByteArray salts[] = {QByteArray(), QByteArray("\x00\xff\x10", 3), QByteArray(40, 'x')};
    const QByteArray passwords[] = {QByteArray(), QByteArray("Grüße"), QByteArray(100, '\x7f')};
    for (const QByteArray &salt : salts) {
        for (const QByteArray &password : passwords) {
            for (int iterations : {1, 3, 500}) {
                EXPECT_EQ(TPbkdf2::Derive(QCryptographicHash::Sha256, password, salt, iterations, 32),
                          referencePbkdf2(password, salt, iterations, 32));
            }
        }
    }
}

TEST(Pbkdf2, VerifierChecksStoredSlowFormOfKnownVector)
{
    // PBKDF2-HMAC-SHA256("password", "salt", 4096), salt "salt" in Base64.
    const QString stored
        = QStringLiteral("PBKDF2$4096$c2FsdA==$C5E478D59288C841AA530DB6845C4C8D962893A001CE4E11A4963873AA98134A");
    EXPECT_TRUE(TPasswordVerifier::Verify(stored, QStringLiteral("password")));
    EXPECT_FALSE(TPasswordVerifier::Verify(stored, QStringLiteral("Password")));
    const QString created = TPasswordVerifier::Create(QStringLiteral("geheim"));
    EXPECT_TRUE(created.startsWith(QStringLiteral("PBKDF2$%1$").arg(TPasswordVerifier::Iterations)));
    EXPECT_TRUE(TPasswordVerifier::Verify(created, QStringLiteral("geheim")));
    EXPECT_FALSE(TPasswordVerifier::Verify(created, QStringLiteral("geheiM")));
}
