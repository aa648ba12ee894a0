#include "utils/VYRAExceptions.h"
#include "utils/WildCards.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

TEST(WildCards, StarsAndQuestionMarks)
{
    EXPECT_TRUE(CompareWildString("a*c", "abbbc"));
    EXPECT_TRUE(CompareWildString("a*c", "ac"));
    EXPECT_FALSE(CompareWildString("a?c", "ac"));
    EXPECT_TRUE(CompareWildString("a?c", "abc"));
    EXPECT_TRUE(CompareWildString("*", ""));
    EXPECT_FALSE(CompareWildString("", "a"));
    EXPECT_TRUE(CompareWildString("", ""));
    EXPECT_FALSE(CompareWildString("?", ""));
    EXPECT_FALSE(CompareWildString("abc", "abcd"));
    EXPECT_FALSE(CompareWildString("abcd", "abc"));
    EXPECT_TRUE(CompareWildString("*b*b", "abcb"));
    EXPECT_FALSE(CompareWildString("*b*b", "abc"));
    // Needs backtracking past a first, too early match of the segment after the star.
    EXPECT_TRUE(CompareWildString("*ab?d", "abxabcd"));
    EXPECT_TRUE(CompareWildString("a*b*c", "aXbYbZc"));
    EXPECT_FALSE(CompareWildString("a*b*c", "aXbYbZ"));
}

TEST(WildCards, QuestionMarkTakesWholeSurrogatePair)
{
    const QString text = QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("b");
    EXPECT_TRUE(CompareWildString("a?b", text));
}

TEST(WildCards, StringComparesExactlyTextIgnoresCase)
{
    EXPECT_TRUE(CompareWildText("*.PHP", "index.php"));
    EXPECT_FALSE(CompareWildString("*.PHP", "index.php"));
    EXPECT_TRUE(CompareWildText("ÄRGER*", "ärger.txt"));
}

TEST(WildCards, NinthStarRaisesWithMessage)
{
    EXPECT_TRUE(CompareWildString("********", "abc"));
    try {
        CompareWildString("*********", "abc");
        FAIL() << "no exception";
    } catch (const EWildcardError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("CompareWildString(*********, abc)\r\ntoo many levels of '*'"));
    }
    // The ninth star is never reached when the text fails before it.
    EXPECT_FALSE(CompareWildString("x*********", "abc"));
    // Stars spread over the pattern count as well.
    EXPECT_THROW(CompareWildString("a*b*c*d*e*f*g*h*i*", "abcdefghi"), EWildcardError);
}

TEST(WildCards, ManyStarsAgainstLongTextStayFast)
{
    // A full backtracking search would need about n^7 steps here.
    const QString text(2000, QLatin1Char('a'));
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(CompareWildString("*a*a*a*a*a*a*a*b", text));
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST(WildCards, FileMasks)
{
    EXPECT_TRUE(MatchesFileMask("*.php;*.inc", "lib.INC"));
    EXPECT_TRUE(MatchesFileMask(" *.txt ; *.md", "README.md"));
    EXPECT_FALSE(MatchesFileMask("*.php", "php"));
    EXPECT_TRUE(MatchesFileMask("*.*", "Makefile"));
    EXPECT_TRUE(MatchesFileMask("*a*b*c*d*e*f*g*h*i*j", "abcdefghij")); // no star limit for masks
    EXPECT_FALSE(MatchesFileMask("", "a"));
}
