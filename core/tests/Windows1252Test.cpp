#include "utils/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString text = fromWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    bool ok = false;
    EXPECT_EQ(toWindows1252(text, &ok), all);
    EXPECT_TRUE(ok);
}

TEST(Windows1252, SpecialCharactersAndUndefinedBytes)
{
    EXPECT_EQ(fromWindows1252("\x80\x8A\x9F\xE4\xDF"), QStringLiteral("€ŠŸäß"));
    EXPECT_EQ(fromWindows1252("\x81\x8D\x8F\x90\x9D"), QStringLiteral("\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(toWindows1252(QStringLiteral("„Größe“ – 5 €")), QByteArray("\x84Gr\xF6\xDF" "e\x93 \x96 5 \x80"));
}

TEST(Windows1252, CharacterWithoutCodeFailsWithoutReplacing)
{
    // U+0080 is a C1 control the code page does not map: 0x80 is the euro sign.
    for (const QString &text : {QStringLiteral("abcЖ"), QStringLiteral("a\u0080"), QStringLiteral("x\u2603y")}) {
        bool ok = true;
        EXPECT_TRUE(toWindows1252(text, &ok).isEmpty());
        EXPECT_FALSE(ok);
    }
    int bad = -2;
    EXPECT_FALSE(canEncodeWindows1252(QStringLiteral("Straße Ж"), &bad));
    EXPECT_EQ(bad, 7);
    EXPECT_TRUE(canEncodeWindows1252(QStringLiteral("Straße €"), &bad));
    EXPECT_EQ(bad, -1);
}

TEST(Windows1252, ErrorMessageNamesTheCharacter)
{
    EXPECT_TRUE(windows1252EncodeError(QStringLiteral("ok")).isEmpty());
    const QString message = windows1252EncodeError(QStringLiteral("ab") + QString::fromUcs4(U"\U0001F600"));
    EXPECT_TRUE(message.contains(QStringLiteral("U+1F600"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Position 3"))) << message.toStdString();
}

namespace {

// The code page written out once more, independently of the codec's table.
QString referenceDecode(const QByteArray &bytes)
{
    static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = uchar(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte));
    }
    return text;
}

// Every byte, repeated past the piece size of the converters.
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

TEST(Windows1252, LongTextsTakeTheFastPathOnlyWhereLatin1Agrees)
{
    for (const QByteArray &bytes : {allBytes(200000), asciiWith(9 << 20, (9 << 20) - 1, '\x80'),
                                    asciiWith(9 << 20, 70000, '\x9f'), asciiWith(9 << 20, 5, '\xa0'), QByteArray()}) {
        const QString text = fromWindows1252(bytes);
        ASSERT_TRUE(text == referenceDecode(bytes)) << bytes.size();
        bool ok = false;
        EXPECT_TRUE(toWindows1252(text, &ok) == bytes);
        EXPECT_TRUE(ok);
    }
    QString text(300000, QLatin1Char('a'));
    for (const qsizetype at : {qsizetype(0), qsizetype(65535), qsizetype(65536), qsizetype(299999)}) {
        for (const char16_t bad : {u'\u0141', u'\u0080', u'\u009d', u'\uffff'}) {
            QString damaged = text;
            damaged[at] = QChar(bad);
            bool ok = true;
            const QByteArray bytes = toWindows1252(damaged, &ok);
            // U+009D stands for the undefined byte 0x9D; the others have no code.
            EXPECT_EQ(ok, bad == u'\u009d') << at << ' ' << int(bad);
            EXPECT_EQ(bytes.isEmpty(), !ok);
        }
    }
}
