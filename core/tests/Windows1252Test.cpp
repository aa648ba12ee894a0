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
