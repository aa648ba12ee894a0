#include "CipherFixtures.h"
#include "utils/Hashes.h"
#include "utils/Windows1252.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

class AesCipher : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_folder = new CipherFixtures::Folder({QStringLiteral("AES256GCM")}); }
    static void TearDownTestSuite()
    {
        delete s_folder;
        s_folder = nullptr;
    }
    std::shared_ptr<TCustomCipher> aes() const { return s_folder->byName(QStringLiteral("AES-256-GCM")); }

    static CipherFixtures::Folder *s_folder;
    const QString key = SHA_Hash(QStringLiteral("Sesam, öffne dich"));
};

CipherFixtures::Folder *AesCipher::s_folder = nullptr;

quint32 iterationsOf(const QByteArray &information)
{
    return quint32(quint8(information[6])) | quint32(quint8(information[7])) << 8
        | quint32(quint8(information[8])) << 16 | quint32(quint8(information[9])) << 24;
}

} // namespace

TEST_F(AesCipher, TextRoundTripIsExactAndFitsAnEightBitField)
{
    ASSERT_TRUE(aes());
    EXPECT_EQ(aes()->GetGUIDText(), QStringLiteral("{AF11D28C-93CD-4EE9-9014-8A268FF0486D}"));
    QString text = QStringLiteral("<?php echo \"Grüße €\"; // 😀\r\n");
    text.append(QChar(0xD800)); // a lone surrogate survives too
    for (const QString &plain : {text, QString()}) {
        QString enciphered;
        QByteArray information;
        ASSERT_TRUE(aes()->EnCryptText(plain, key, enciphered, &information));
        EXPECT_TRUE(canEncodeWindows1252(enciphered));
        EXPECT_FALSE(enciphered.contains(QStringLiteral("php")));
        EXPECT_EQ(information.size(), 40);
        EXPECT_TRUE(information.startsWith("AGCM"));
        EXPECT_GE(iterationsOf(information), 200000u);
        QString back = QStringLiteral("x");
        ASSERT_TRUE(aes()->DeCryptText(enciphered, key, information, back));
        EXPECT_EQ(back, plain);
    }
}

TEST_F(AesCipher, SameTextTwiceGivesDifferentCipherText)
{
    QString first, second;
    QByteArray info1, info2;
    ASSERT_TRUE(aes()->EnCryptText(QStringLiteral("gleich"), key, first, &info1));
    ASSERT_TRUE(aes()->EnCryptText(QStringLiteral("gleich"), key, second, &info2));
    EXPECT_NE(first, second);
    EXPECT_NE(info1.mid(28), info2.mid(28)); // fresh nonce
    // A new password gets a new salt.
    QString third;
    QByteArray info3;
    ASSERT_TRUE(aes()->EnCryptText(QStringLiteral("gleich"), SHA_Hash(QStringLiteral("anders")), third, &info3));
    EXPECT_NE(info1.mid(11, 16), info3.mid(11, 16));
}

TEST_F(AesCipher, WrongPasswordAndChangedBytesFailCleanly)
{
    QString enciphered;
    QByteArray information;
    ASSERT_TRUE(aes()->EnCryptText(QStringLiteral("Geheimer Quelltext"), key, enciphered, &information));
    QString out = QStringLiteral("vorher");

    const TCipherResult wrong = aes()->DeCryptText(enciphered, SHA_Hash(QStringLiteral("falsch")), information, out);
    EXPECT_TRUE(wrong.isAuthenticationFailure());
    EXPECT_FALSE(wrong.errorText.isEmpty());

    QString flipped = enciphered;
    flipped[5] = flipped[5] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    EXPECT_TRUE(aes()->DeCryptText(flipped, key, information, out).isAuthenticationFailure());

    QByteArray nonce = information;
    nonce[35] = char(nonce[35] ^ 1);
    EXPECT_TRUE(aes()->DeCryptText(enciphered, key, nonce, out).isAuthenticationFailure());

    EXPECT_EQ(aes()->DeCryptText(enciphered.left(enciphered.size() - 4), key, information, out).code,
              VYRA_E_AUTHENTICATION);
    EXPECT_EQ(aes()->DeCryptText(enciphered.left(7), key, information, out).code, VYRA_E_FORMAT);
    EXPECT_EQ(aes()->DeCryptText(enciphered + QStringLiteral("!!!!"), key, information, out).code, VYRA_E_FORMAT);
    EXPECT_EQ(aes()->DeCryptText(enciphered, key, information.left(20), out).code, VYRA_E_FORMAT);
    EXPECT_EQ(out, QStringLiteral("vorher"));
}

TEST_F(AesCipher, InformationBlockRefusesUnreasonableParameters)
{
    QString enciphered, out;
    QByteArray information;
    ASSERT_TRUE(aes()->EnCryptText(QStringLiteral("t"), key, enciphered, &information));
    QByteArray huge = information;
    huge[9] = char(0x7F); // about two billion iterations: refused, not attempted
    EXPECT_EQ(aes()->DeCryptText(enciphered, key, huge, out).code, VYRA_E_FORMAT);
    QByteArray few = information;
    few[6] = few[7] = few[8] = few[9] = 0;
    few[6] = 1;
    EXPECT_EQ(aes()->DeCryptText(enciphered, key, few, out).code, VYRA_E_FORMAT);

    // What a reader takes from a stored file is exactly the block.
    QByteArray stored = information + QByteArray("danach");
    QBuffer buffer(&stored);
    buffer.open(QIODevice::ReadOnly);
    QByteArray consumed;
    ASSERT_TRUE(aes()->ReadInformation(buffer, consumed));
    EXPECT_EQ(consumed, information);
    EXPECT_EQ(buffer.pos(), information.size());
}

TEST_F(AesCipher, StreamRoundTripAndTamperedStream)
{
    QByteArray plain(3 * 1024 * 1024 + 17, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(plain.data()), plain.size() / 4);
    QBuffer source(&plain);
    source.open(QIODevice::ReadOnly);
    QByteArray cipherBytes;
    QBuffer target(&cipherBytes);
    target.open(QIODevice::ReadWrite);
    QByteArray information;
    ASSERT_TRUE(aes()->EnCryptFile(source, target, key, &information));
    EXPECT_EQ(cipherBytes.size(), plain.size() + 16);

    QByteArray back;
    QBuffer restored(&back);
    restored.open(QIODevice::ReadWrite);
    target.seek(0);
    ASSERT_TRUE(aes()->DeCryptFile(target, restored, key, information));
    EXPECT_EQ(back, plain);

    cipherBytes[1000] = char(cipherBytes[1000] ^ 0x40);
    QByteArray damaged;
    QBuffer damagedOut(&damaged);
    damagedOut.open(QIODevice::ReadWrite);
    EXPECT_TRUE(aes()->DeCryptFile(target, damagedOut, key, information).isAuthenticationFailure());
}
