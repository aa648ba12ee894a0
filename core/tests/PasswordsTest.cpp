#include "utils/Passwords.h"

#include <QCryptographicHash>
#include <QUuid>
#include <gtest/gtest.h>

TEST(Passwords, EmptyPasswordForms)
{
    EXPECT_TRUE(IsEmptyPassword(QString()));
    EXPECT_TRUE(IsEmptyPassword(QStringLiteral("DA39A3EE5E6B4B0D3255BFEF95601890AFD80709")));
    EXPECT_TRUE(IsEmptyPassword(QStringLiteral("da39a3ee5e6b4b0d3255bfef95601890afd80709")));
    EXPECT_TRUE(IsEmptyPassword(QStringLiteral("4026E982E356B8AFF02CAA2601C6BCB17FB5C645"))); // hash of that hash
    EXPECT_FALSE(IsEmptyPassword(QStringLiteral("A9993E364706816ABA3E25717850C26C9CD0D89D")));
}

TEST(Passwords, ChecksumAgainstIndependentValue)
{
    // Python: sha1((md5(guid).upper() + text).encode('cp1252')) + sha1(md5(name).upper()), upper-case hex.
    const QString expected = QStringLiteral("18FB0D393A339AB2AB82F16504C464FE33079B4F"
                                            "FF4C9909FBD974825C077F49318BE944F2583893");
    const QString guidText = QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}");
    EXPECT_EQ(CreateChecksum(guidText, QStringLiteral("Größe"), QStringLiteral("Prüfsumme €")), expected);
    // QUuid writes lower case; the GUID form must use the braced upper-case text.
    const QUuid guid(guidText);
    EXPECT_EQ(GuidToString(guid), guidText);
    EXPECT_EQ(CreateChecksum(guid, QStringLiteral("Größe"), QStringLiteral("Prüfsumme €")), expected);
    EXPECT_TRUE(CreateChecksum(guid, QStringLiteral("Größe"), QStringLiteral("Ж")).isEmpty());
}

TEST(Passwords, ChecksumOfALongTextIsHashedAcrossItsPieces)
{
    const QString guidText = QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}");
    const QString name = QStringLiteral("AES-256-GCM");
    const QString guidHash = QString::fromLatin1(
        QCryptographicHash::hash(guidText.toLatin1(), QCryptographicHash::Md5).toHex().toUpper());
    const QString nameHash = QString::fromLatin1(
        QCryptographicHash::hash(name.toLatin1(), QCryptographicHash::Md5).toHex().toUpper());
    const QString tail = QString::fromLatin1(
        QCryptographicHash::hash(nameHash.toLatin1(), QCryptographicHash::Sha1).toHex().toUpper());
    // Characters with their Windows-1252 bytes, "€" among them.
    const QString characters = QStringLiteral("Aé€ß0+/=");
    const QByteArray codes("A\xE9\x80\xDF" "0+/=");
    QString text;
    QByteArray bytes;
    for (int i = 0; i < 150000; ++i) {
        const int pick = (i * 7919) % 8;
        text += characters.at(pick);
        bytes += codes.at(pick);
    }
    for (const qsizetype length : {qsizetype(0), qsizetype(65536), qsizetype(65537), text.size()}) {
        const QByteArray input = guidHash.toLatin1() + bytes.left(length);
        const QString expected =
            QString::fromLatin1(QCryptographicHash::hash(input, QCryptographicHash::Sha1).toHex().toUpper()) + tail;
        EXPECT_EQ(CreateChecksum(guidText, name, QStringView(text).left(length)), expected) << length;
    }
    EXPECT_TRUE(CreateChecksum(guidText, name, text + QStringLiteral("Ж")).isEmpty());
}

TEST(Passwords, QualityMatchesReferenceValues)
{
    // Reference values from an independent Python implementation of the rating.
    EXPECT_DOUBLE_EQ(PassphraseQuality(QString()), 0.0);
    EXPECT_DOUBLE_EQ(PassphraseQuality(QStringLiteral("aaaa")), 0.0);
    EXPECT_DOUBLE_EQ(PassphraseQuality(QStringLiteral("ab")), 0.0);
    EXPECT_NEAR(PassphraseQuality(QStringLiteral("qwertz")), 0.060405353236737125, 1e-12);
    EXPECT_NEAR(PassphraseQuality(QStringLiteral("Passwort1")), 0.2527145931010069, 1e-12);
    EXPECT_NEAR(PassphraseQuality(QStringLiteral("x7#Lk9!qÄ2")), 0.3290707162805337, 1e-12);
    EXPECT_NEAR(PassphraseQuality(QStringLiteral("correct horse battery staple")), 0.6907299943768264, 1e-12);
    const double strong = PassphraseQuality(QStringLiteral("Kx9#mQ2$vL7!pR4&zT8*wN3%bY6@"));
    EXPECT_GT(strong, 0.9);
    EXPECT_LE(strong, 1.0);
    EXPECT_GT(PassphraseQuality(QStringLiteral("Пароль-надёжный")), 0.0);
}

TEST(Passwords, QualityColours)
{
    EXPECT_EQ(PassphraseQualityColor(0), QColor(255, 0, 0));
    EXPECT_EQ(PassphraseQualityColor(25), QColor(255, 0, 0));
    EXPECT_EQ(PassphraseQualityColor(26), QColor(255, 255, 0));
    EXPECT_EQ(PassphraseQualityColor(60), QColor(255, 255, 0));
    EXPECT_EQ(PassphraseQualityColor(61), QColor(0, 128, 0));
    EXPECT_EQ(PassphraseQualityColor(80), QColor(0, 128, 0));
    EXPECT_EQ(PassphraseQualityColor(81), QColor(0, 255, 0));
    EXPECT_EQ(PassphraseQualityColor(100), QColor(0, 255, 0));
    EXPECT_EQ(PassphraseQualityColor(101), QColor(0, 0, 0));
}
