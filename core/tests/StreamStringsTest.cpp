#include "TestSupport.h"
#include "utils/VYRAExceptions.h"
#include "utils/StreamStrings.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray prefix(qint32 count)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((quint32(count) >> (8 * i)) & 0xFF);
    return bytes;
}

QByteArray readOne(const QByteArray &data)
{
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadStringFromStream(buffer);
}

} // namespace

TEST(StreamStrings, LayoutIsLittleEndianCountThenBytes)
{
    TMemoryStreamExt stream;
    stream.open(QIODevice::ReadWrite);
    stream.WriteString("abc");
    stream.WriteString(QByteArray());
    stream.WriteString(QByteArray("\x00\xFF", 2));
    EXPECT_EQ(stream.data(), prefix(3) + "abc" + prefix(0) + prefix(2) + QByteArray("\x00\xFF", 2));
    EXPECT_EQ(stream.data().size(), 7 + 4 + 6); // the empty string takes exactly its 4 bytes
    stream.seek(0);
    EXPECT_EQ(stream.ReadString(), QByteArray("abc"));
    EXPECT_EQ(stream.ReadString(), QByteArray());
    EXPECT_EQ(stream.ReadString(), QByteArray("\x00\xFF", 2));
    EXPECT_THROW(stream.ReadString(), EStreamReadError);
}

TEST(StreamStrings, NegativeCountIsEmptyAndReadsNothingMore)
{
    QByteArray data = prefix(-5) + prefix(1) + "x";
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(ReadStringFromStream(buffer), QByteArray());
    EXPECT_EQ(ReadStringFromStream(buffer), QByteArray("x"));
}

TEST(StreamStrings, DamagedInputRaisesReadError)
{
    EXPECT_THROW(readOne(QByteArray("\x01\x00", 2)), EStreamReadError); // count cut short
    EXPECT_THROW(readOne(prefix(4) + "abc"), EStreamReadError);         // one byte missing
    // A huge stored count must fail before anything of that size is allocated.
    try {
        readOne(prefix(0x7FFFFFFF) + "abc");
        FAIL() << "no exception";
    } catch (const EStreamReadError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("2147483647"))) << e.what();
    }
}

TEST(StreamStrings, TextGoesThroughWindows1252)
{
    TMemoryStreamExt stream;
    stream.open(QIODevice::ReadWrite);
    QString error;
    ASSERT_TRUE(stream.WriteText(QStringLiteral("Grüße €"), &error));
    EXPECT_EQ(stream.data(), prefix(7) + QByteArray("Gr\xFC\xDF" "e \x80"));
    EXPECT_FALSE(stream.WriteText(QStringLiteral("Привет"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Windows-1252"))) << error.toStdString();
    EXPECT_EQ(stream.data().size(), 11) << "nothing written for the failed text";
    stream.seek(0);
    EXPECT_EQ(stream.ReadText(), QStringLiteral("Grüße €"));
}

TEST(StreamStrings, FileStreamRoundTripAndTruncatedFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("strings.bin");
    {
        TFileStreamExt file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.WriteString("first");
        file.WriteString(QByteArray(100000, 'x'));
    }
    {
        TFileStreamExt file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.ReadString(), QByteArray("first"));
        EXPECT_EQ(file.ReadString().size(), 100000);
        EXPECT_TRUE(file.atEnd());
    }
    QFile::resize(path, 9 + 4 + 50000);
    TFileStreamExt file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    file.ReadString();
    EXPECT_THROW(file.ReadString(), EStreamReadError);
}

TEST(StreamStrings, WriteToClosedDeviceRaises)
{
    QBuffer buffer;
    EXPECT_THROW(WriteStringToStream(buffer, "abc"), EStreamWriteError);
    QString error;
    EXPECT_FALSE(WriteTextToStream(buffer, QStringLiteral("abc"), &error));
    EXPECT_FALSE(error.isEmpty());
}
