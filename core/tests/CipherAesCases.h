#pragma once

// The tests of the AES module, built twice: with its vector kernels
// (CipherAesTest) and without them (CipherAesScalarTest).
#include "CipherFixtures.h"
#include "TestSupport.h"
#include "documents/TPasswordVerifier.h"
#include "documents/TVYRADocument.h"
#include "documents/TVYRAFile.h"
#include "utils/Hashes.h"
#include "utils/Windows1252.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace AesCases {

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

} // namespace AesCases

using namespace AesCases;

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

namespace AesCases {

// A text of size units: ASCII runs of random length with umlauts, three-byte
// characters, surrogate pairs and lone surrogates between them.
QString mixedText(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QString text;
    text.reserve(size + 1);
    while (text.size() < size) {
        const int run = int(random.bounded(80));
        for (int i = 0; i < run; ++i)
            text += QChar(char16_t(0x20 + random.bounded(0x5F)));
        switch (random.bounded(5)) {
        case 0: text += QChar(u'ü'); break;
        case 1: text += QChar(u'€'); break;
        case 2: text += QStringLiteral("😀"); break;
        case 3: text += QChar(char16_t(0xDC00 + random.bounded(0x400))); break;
        default: text += QChar(char16_t(0x7F + random.bounded(2))); break;
        }
    }
    text.truncate(size);
    return text;
}

// UTF-8 length with a lone surrogate taking three bytes, as the module writes it.
qsizetype utf8Length(const QString &text)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            bytes += 4;
            ++i;
        } else {
            bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        }
    }
    return bytes;
}

} // namespace AesCases

// Sizes around the pieces of the module's pipelines (16384 characters when
// enciphering, 65536 Base64 characters when deciphering) and its vector blocks.
TEST_F(AesCipher, LargeTextsRoundTripAndAreStandardBase64)
{
    QList<QString> texts;
    for (const qsizetype size : {qsizetype(15), qsizetype(16), qsizetype(47), qsizetype(16383), qsizetype(16385),
                                 qsizetype(49152), qsizetype(200003)})
        texts << mixedText(size, quint32(size)) << QString(size, QLatin1Char('a'));
    QString pairAtPieceEnd(16383, QLatin1Char('x'));
    texts << pairAtPieceEnd + QStringLiteral("😀") + pairAtPieceEnd;
    for (const QString &text : texts) {
        QString enciphered, back;
        QByteArray information;
        ASSERT_TRUE(aes()->EnCryptText(text, key, enciphered, &information));
        // Checked against Qt's Base64: decodes strictly and encodes back to the same text.
        const auto decoded
            = QByteArray::fromBase64Encoding(enciphered.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded.decoded.size(), utf8Length(text) + 16);
        EXPECT_EQ(QString::fromLatin1(decoded.decoded.toBase64()), enciphered);
        ASSERT_TRUE(aes()->DeCryptText(enciphered, key, information, back));
        EXPECT_EQ(back, text) << text.size();
    }
}

TEST_F(AesCipher, EveryDamagedCharacterIsFound)
{
    const QString text = mixedText(120000, 3);
    QString enciphered, out;
    QByteArray information;
    ASSERT_TRUE(aes()->EnCryptText(text, key, enciphered, &information));
    QRandomGenerator random(11);
    for (int round = 0; round < 60; ++round) {
        const qsizetype at = round < 3 ? qsizetype(round) : qsizetype(random.bounded(int(enciphered.size() - 4)));
        const QChar original = enciphered.at(at);
        // Outside the alphabet; U+0141 and U+FF2B have a letter as their low byte.
        for (const char16_t bad : {u'*', u'=', u'\u0141', u'\uff2b', u'\0', u'-'}) {
            QString damaged = enciphered;
            damaged[at] = QChar(bad);
            EXPECT_EQ(aes()->DeCryptText(damaged, key, information, out).code, VYRA_E_FORMAT) << at << ' ' << int(bad);
        }
        QString changed = enciphered;
        changed[at] = original == QLatin1Char('A') ? QLatin1Char('/') : QLatin1Char('A');
        EXPECT_EQ(aes()->DeCryptText(changed, key, information, out).code, VYRA_E_AUTHENTICATION) << at;
    }
    // Padding bits that are not zero give a second spelling of the same bytes: refused.
    QString empty;
    ASSERT_TRUE(aes()->EnCryptText(QStringLiteral("a"), key, empty, &information)); // 17 bytes: "=" at the end
    ASSERT_TRUE(empty.endsWith(QLatin1Char('=')));
    QString stray = empty;
    const int last = QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
                         .indexOf(char(stray.at(stray.size() - 2).unicode()));
    stray[stray.size() - 2] = QLatin1Char("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"[last ^ 1]);
    EXPECT_EQ(aes()->DeCryptText(stray, key, information, out).code, VYRA_E_FORMAT);
}

namespace AesCases {

// Files enciphered by the module with a known password and committed: a
// change of the module's format or key derivation shows up here.
const QString kKnownPassword = QStringLiteral("Grüne Tür 7");
const QString kKnownText = QStringLiteral("<?php\r\necho \"Grüße aus dem Tresor €\";\r\n");
const char kKnownPayloadBytes[] = "PK\x03\x04 bin\xe4r\x00\xff Ende";
const QByteArray kKnownPayload(kKnownPayloadBytes, sizeof kKnownPayloadBytes - 1);

QString knownFixture(const QString &name)
{
    return TestSupport::testDataDir() + QStringLiteral("/ciphers/") + name;
}

} // namespace AesCases

TEST_F(AesCipher, KnownDocumentOfAnEarlierBuildOpens)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("tresor.qcd"));
    ASSERT_TRUE(QFile::copy(knownFixture(QStringLiteral("aes-known.qcd")), copy));
    const auto open = [&](const QString &typed) {
        TVYRADocument doc(copy, QStringLiteral("1.0"), nullptr, s_folder->list.get(), nullptr, true);
        EXPECT_TRUE(doc.LoadFromFile());
        const TOpenResult result = doc.OpenStored(
            [typed](TVYRADocument &) -> std::optional<QString> { return TPasswordVerifier::KeyOf(typed); },
            [](TVYRADocument &) { return false; });
        return std::make_pair(result.outcome, doc.UncryptedText());
    };
    EXPECT_EQ(open(QStringLiteral("grüne Tür 7")).first, TOpenOutcome::WrongPassword);
    const auto [outcome, text] = open(kKnownPassword);
    ASSERT_EQ(outcome, TOpenOutcome::Success);
    EXPECT_EQ(text, kKnownText);
}

TEST_F(AesCipher, KnownDataFileOfAnEarlierBuildOpens)
{
    TVYRAFile file(knownFixture(QStringLiteral("aes-known.qdf")), QStringLiteral("2.0"), nullptr,
                   s_folder->list.get(), nullptr, true);
    QString version;
    ASSERT_TRUE(file.LoadFromFile(file.GetFileName(), version));
    EXPECT_EQ(file.SourceExtension(), QStringLiteral(".zip"));
    EXPECT_FALSE(file.Unlock(TPasswordVerifier::KeyOf(QStringLiteral("falsch"))));
    ASSERT_TRUE(file.Unlock(TPasswordVerifier::KeyOf(kKnownPassword)));
    ASSERT_TRUE(file.DeCrypt());
    EXPECT_EQ(file.PlainData(), kKnownPayload);
}
