#include "utils/Hashes.h"

#include <QBuffer>
#include <gtest/gtest.h>

TEST(Hashes, KnownVectors)
{
    EXPECT_EQ(SHA_Hash(QStringLiteral("abc")), QStringLiteral("A9993E364706816ABA3E25717850C26C9CD0D89D"));
    EXPECT_EQ(SHA_Hash(QString()), QStringLiteral("DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"));
    EXPECT_EQ(MD5_Hash(QString()), QStringLiteral("D41D8CD98F00B204E9800998ECF8427E"));
    EXPECT_EQ(MD5_Hash(QStringLiteral("abc")), QStringLiteral("900150983CD24FB0D6963F7D28E17F72"));
    EXPECT_EQ(SHA_HashBytes("abc"), SHA_Hash(QStringLiteral("abc")));
}

TEST(Hashes, TextIsHashedAsWindows1252)
{
    // Values computed with Python's hashlib over the cp1252 bytes.
    EXPECT_EQ(SHA_Hash(QStringLiteral("€")), QStringLiteral("C78EBD3C85A39A596D9F5CFD2B8D240BC1B9C125"));
    EXPECT_EQ(MD5_Hash(QStringLiteral("Ä")), QStringLiteral("FFD0CE5D00F597AA4F0D2BB60D17B6BC"));
}

TEST(Hashes, TextOutsideWindows1252HasNoHash)
{
    EXPECT_TRUE(SHA_Hash(QStringLiteral("Ж")).isEmpty());
    EXPECT_TRUE(MD5_Hash(QStringLiteral("Ж")).isEmpty());
}

TEST(Hashes, StreamHashCoversWholeStream)
{
    QByteArray data = QByteArray("abc");
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(2);
    EXPECT_EQ(SHA_HashStream(buffer), QStringLiteral("A9993E364706816ABA3E25717850C26C9CD0D89D"));
    QByteArray big(3 * 1024 * 1024 + 17, 'z');
    QBuffer bigBuffer(&big);
    bigBuffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(SHA_HashStream(bigBuffer), SHA_HashBytes(big));
    QBuffer closed;
    EXPECT_TRUE(SHA_HashStream(closed).isEmpty());
}
