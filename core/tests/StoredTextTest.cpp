#include "documents/TStoredChecksum.h"
#include "documents/TStoredText.h"
#include "utils/Passwords.h"
#include "utils/Windows1252.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// Every byte, repeated past the piece size of the converters, with a
// different byte at the end of the text.
QByteArray allBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(i % 256);
    return bytes;
}

QByteArray asciiWith(qsizetype size, qsizetype at, char byte)
{
    QByteArray bytes(size, 'Q');
    bytes[at] = byte;
    return bytes;
}

} // namespace

TEST(StoredText, AgreesWithTheWindows1252CodecForEveryByte)
{
    for (const QByteArray &bytes : {allBytes(256), allBytes(200000), asciiWith(9 << 20, (9 << 20) - 1, '\x80'),
                                    asciiWith(9 << 20, 70000, '\x9f'), asciiWith(9 << 20, 5, '\xa0'), QByteArray()}) {
        const QString text = TStoredText::Decode(bytes);
        ASSERT_EQ(text, fromWindows1252(bytes));
        bool ok = false;
        EXPECT_EQ(TStoredText::Encode(text, &ok), bytes);
        EXPECT_TRUE(ok);
    }
}

TEST(StoredText, RefusesCharactersWithoutCodeAnywhereInALongText)
{
    QString text(300000, QLatin1Char('a'));
    for (const qsizetype at : {qsizetype(0), qsizetype(65535), qsizetype(65536), qsizetype(299999)}) {
        for (const char16_t bad : {u'\u0141', u'\u0080', u'\u009d', u'\uffff'}) {
            QString damaged = text;
            damaged[at] = QChar(bad);
            bool ok = true;
            const QByteArray bytes = TStoredText::Encode(damaged, &ok);
            EXPECT_EQ(ok, canEncodeWindows1252(damaged)) << at << ' ' << int(bad);
            EXPECT_EQ(bytes, ok ? toWindows1252(damaged) : QByteArray());
            EXPECT_FALSE(TStoredText::IsLatin1Compatible(damaged));
        }
    }
    // "€" has a Windows-1252 code (0x80) but is not Latin-1.
    bool ok = false;
    EXPECT_EQ(TStoredText::Encode(QStringLiteral("€"), &ok), QByteArray("\x80"));
    EXPECT_TRUE(ok);
}

TEST(StoredChecksum, SameValueAsCreateChecksum)
{
    const QString guid = QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}");
    // The independent value of the checksum test of the utilities.
    EXPECT_EQ(TStoredChecksum::Create(guid, QStringLiteral("Größe"), QStringLiteral("Prüfsumme €")),
              QStringLiteral("18FB0D393A339AB2AB82F16504C464FE33079B4FFF4C9909FBD974825C077F49318BE944F2583893"));
    QString large;
    for (int i = 0; i < 150000; ++i)
        large += QChar(u"Aé€ß0+/="[QRandomGenerator::global()->bounded(8)]);
    for (const QString &text : {QString(), large, large.left(65536), large.left(65537)})
        EXPECT_EQ(TStoredChecksum::Create(guid, QStringLiteral("AES-256-GCM"), text),
                  CreateChecksum(guid, QStringLiteral("AES-256-GCM"), text));
    EXPECT_TRUE(TStoredChecksum::Create(guid, QStringLiteral("AES"), large + QStringLiteral("Ж")).isEmpty());
    EXPECT_TRUE(TStoredChecksum::Create(guid, QStringLiteral("Ж"), large).isEmpty());
}
