#include "regex/RegexCreate.h"
#include "regex/RegexExceptions.h"

#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <thread>
#include <vector>

namespace {

QList<std::pair<int, int>> matchPositions(const std::shared_ptr<IRegex> &regex, const QString &subject)
{
    QList<std::pair<int, int>> result;
    auto all = regex->Matches(subject);
    for (int i = 0; i < all->Count(); ++i)
        result.append({all->Items(i)->Index(), all->Items(i)->Length()});
    return result;
}

QStringList pieces(const std::shared_ptr<IStringCollection> &c)
{
    QStringList out;
    for (int i = 0; i < c->Count(); ++i)
        out << c->Items(i);
    return out;
}

} // namespace

TEST(RegexMatch, StartAtBoundsAndFailedMatchShape)
{
    auto regex = RegexCreate(QStringLiteral("x*"));
    EXPECT_TRUE(regex->Match(QStringLiteral("abc"), 3)->Success()); // empty match at the end
    auto past = regex->Match(QStringLiteral("abc"), 4);
    ASSERT_TRUE(past);
    EXPECT_FALSE(past->Success());
    EXPECT_EQ(past->Index(), -1);
    EXPECT_FALSE(regex->Match(QStringLiteral("abc"), -1)->Success());

    auto groups = RegexCreate(QStringLiteral("(a)|(b)"))->Match(QStringLiteral("b"))->Groups();
    EXPECT_EQ(groups->Count(), 3);
    EXPECT_FALSE(groups->Items(1)->Success());
    EXPECT_EQ(groups->Items(1)->Index(), -1);
    EXPECT_EQ(groups->Items(1)->Length(), 0);
    EXPECT_EQ(groups->Items(1)->Value(), QString());
    EXPECT_EQ(groups->Items(2)->Value(), QStringLiteral("b"));
}

TEST(RegexMatch, IterationVisitsEveryEmptyMatchOnce)
{
    EXPECT_EQ(matchPositions(RegexCreate(QStringLiteral("a*")), QStringLiteral("bab")),
              (QList<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 0}, {3, 0}}));
    // A lookahead used to report position 2 twice.
    EXPECT_EQ(matchPositions(RegexCreate(QStringLiteral("(?=b)")), QStringLiteral("aab")),
              (QList<std::pair<int, int>>{{2, 0}}));
    EXPECT_EQ(RegexCreate(QStringLiteral("(?=b)"))->Replace(QStringLiteral("aab"), QStringLiteral("|")),
              QStringLiteral("aa|b"));
    EXPECT_EQ(pieces(RegexCreate(QStringLiteral("(?=b)"))->Split(QStringLiteral("aabab"))),
              (QStringList{QStringLiteral("aa"), QStringLiteral("ba"), QStringLiteral("b")}));
}

TEST(RegexMatch, EmptyMatchesStepOverWholeCharacters)
{
    // U+1F600 is a surrogate pair; an empty match never lands between its halves.
    const QString subject = QStringLiteral("ä\U0001F600b");
    EXPECT_EQ(matchPositions(RegexCreate(QStringLiteral("")), subject),
              (QList<std::pair<int, int>>{{0, 0}, {1, 0}, {3, 0}, {4, 0}}));
    auto m = RegexCreate(QStringLiteral("b"))->Match(subject);
    EXPECT_EQ(m->Index(), 3); // UTF-16 offsets
    EXPECT_EQ(RegexCreate(QStringLiteral("^.{3}$"))->IsMatch(subject), true);
}

TEST(RegexMatch, EightBitHighRangeMeansAnyNonAsciiCharacter)
{
    auto ident = RegexCreate(QStringLiteral(R"([a-zA-Z_\x7f-\xff][a-zA-Z0-9_\x7f-\xff]*)"));
    EXPECT_EQ(ident->Match(QStringLiteral("$größe€\U0001F600 = 1"))->Value(), QStringLiteral("größe€\U0001F600"));
    // Unicode-aware patterns keep the literal meaning.
    auto latin1 = RegexCreate(QStringLiteral(R"([\x80-\xff]+)"), TRegCompileOption::rcoUTF8);
    EXPECT_EQ(latin1->Match(QStringLiteral("aü€"))->Value(), QStringLiteral("ü"));
}

TEST(RegexMatch, SplitKeepsEmptyPiecesAndSeparators)
{
    auto comma = RegexCreate(QStringLiteral(","));
    EXPECT_EQ(pieces(comma->Split(QStringLiteral("a,b,,c"))),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QString(), QStringLiteral("c")}));
    EXPECT_EQ(pieces(comma->Split(QStringLiteral("a,b,,c"), TRegSplitOption::rsoIncludeSeparators)),
              (QStringList{"a", ",", "b", ",", "", ",", "c"}));
    EXPECT_EQ(pieces(RegexCreate(QStringLiteral("(-)|(\\+)"))->Split(QStringLiteral("1-2+3"))),
              (QStringList{"1", "-", "2", "+", "3"}));
}

TEST(RegexMatch, ReplaceTemplates)
{
    auto regex = RegexCreate(QStringLiteral("(\\w)(?<rest>\\w*)"));
    EXPECT_EQ(RegexCreate(QStringLiteral("(o)"))->Replace(QStringLiteral("foo"), QStringLiteral("[$1]")),
              QStringLiteral("f[o][o]"));
    EXPECT_EQ(regex->Replace(QStringLiteral("ab cd"), QStringLiteral("${rest}$1")), QStringLiteral("ba dc"));
    EXPECT_EQ(RegexCreate(QStringLiteral("b"))->Replace(QStringLiteral("abc"), QStringLiteral("<$`|$&|$''|$_|$$>")),
              QStringLiteral("a<a|b|c|abc|$>c"));
    EXPECT_EQ(regex->Replace(QStringLiteral("xy"), QStringLiteral("$+")), QStringLiteral("y"));
    try {
        RegexCreate(QStringLiteral("(o)"))->Replace(QStringLiteral("foo"), QStringLiteral("$2"));
        FAIL() << "no exception";
    } catch (const ERegexInvalidSubstitutionGroup &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid substitution variable $2"));
    }
    EXPECT_THROW(regex->Replace(QStringLiteral("ab"), QStringLiteral("${nope}")), ERegexBadGroupName);
    EXPECT_EQ(regex->Replace(QStringLiteral("ab"), [](const std::shared_ptr<IMatch> &m) {
        return m->Groups()->NamedItems(QStringLiteral("rest"))->Value().toUpper();
    }),
              QStringLiteral("B"));
}

TEST(RegexMatch, CompileErrorsAndOptions)
{
    try {
        RegexCreate(QStringLiteral("("));
        FAIL() << "no exception";
    } catch (const ERegexException &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Invalid Pattern '(': error at position 1: ")))
            << e.message().toStdString();
    }
    // Unknown letter escapes stay literal unless the extra option asks for errors.
    EXPECT_TRUE(RegexCreate(QStringLiteral("\\y"))->IsMatch(QStringLiteral("y")));
    EXPECT_THROW(RegexCreate(QStringLiteral("\\y"), TRegCompileOption::rcoExtra), ERegexException);

    EXPECT_TRUE(RegexCreate(QStringLiteral("ABC"), TRegCompileOption::rcoIgnoreCase)->IsMatch(QStringLiteral("xabc")));
    EXPECT_FALSE(RegexCreate(QStringLiteral("b"), TRegCompileOption::rcoAnchored)->IsMatch(QStringLiteral("ab")));
    EXPECT_TRUE(RegexCreate(QStringLiteral("a.b"), TRegCompileOption::rcoSingleLine)->IsMatch(QStringLiteral("a\nb")));
    EXPECT_EQ(RegexCreate(QStringLiteral("a+"), TRegCompileOption::rcoUngreedy)->Match(QStringLiteral("aaa"))->Length(), 1);
    EXPECT_FALSE(RegexCreate(QStringLiteral("^b"))->IsMatch(QStringLiteral("b"), TRegMatchOption::rmoNotBOL));
    EXPECT_FALSE(RegexCreate(QStringLiteral("x*"))->IsMatch(QStringLiteral("ab"), TRegMatchOption::rmoNotEmpty));
    EXPECT_TRUE(RegexCreate(QStringLiteral("b"))->IsMatch(QStringLiteral("ab"), 1, TRegMatchOption::rmoAnchored));
}

TEST(RegexMatch, OptionWordsUseTheStoredValues)
{
    const TRegCompileOptions all = {TRegCompileOption::rcoAnchored, TRegCompileOption::rcoUngreedy,
                                    TRegCompileOption::rcoPartial};
    EXPECT_EQ(EncodeRegCompileOptions(all), 0x10u | 0x200u | 0x8000u);
    EXPECT_EQ(DecodeRegCompileOptions(0x10 | 0x200 | 0x8000 | 0x80000), all); // unknown bits dropped
    EXPECT_EQ(EncodeRegMatchOptions({TRegMatchOption::rmoNotBOL, TRegMatchOption::rmoNotEmpty}), 0x80u | 0x400u);
    EXPECT_EQ(DecodeRegMatchOptions(0x100), TRegMatchOptions(TRegMatchOption::rmoNotEOL));
}

TEST(RegexMatch, CatastrophicPatternsHitALimitInsteadOfHanging)
{
    auto regex = RegexCreate(QStringLiteral("(a+)+$"));
    const QString subject = QString(5000, u'a') + u'b';
    EXPECT_THROW(regex->IsMatch(subject), ERegexMatchLimit);
    // Deep nesting that overflows the JIT stack falls back to the interpreter.
    auto brace = RegexCreate(QStringLiteral(R"(\{(((?>[^{}]+)|(?R))*)\})"));
    const QString nested = QString(20000, u'{') + QString(20000, u'}');
    EXPECT_EQ(brace->Match(nested)->Length(), 40000);
}

TEST(RegexMatch, InvalidUtf16NeverBreaksMatching)
{
    QString subject = QStringLiteral("ab");
    subject.insert(1, QChar(0xD800)); // lone high surrogate
    auto regex = RegexCreate(QStringLiteral("b"));
    EXPECT_EQ(regex->Match(subject)->Index(), 2);
    EXPECT_EQ(regex->Match(subject, 1)->Index(), 2);
    EXPECT_FALSE(RegexCreate(QStringLiteral("a.b"))->IsMatch(subject));
}

TEST(RegexMatch, NamedGroupsAndPatternInformation)
{
    auto regex = RegexCreate(QStringLiteral("(?<year>\\d{4})-(?<month>\\d\\d)(x)?"));
    auto info = std::dynamic_pointer_cast<IRegexInfo>(regex);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->CaptureCount(), 3);
    ASSERT_EQ(info->NamedGroupCount(), 2);
    EXPECT_EQ(info->NamedGroups(0).Name, QStringLiteral("month")); // sorted by name
    EXPECT_EQ(info->NamedGroups(0).Number, 2);
    EXPECT_EQ(info->LocaleName(), QStringLiteral("C"));
    EXPECT_EQ(info->LastLiteral(), '-');
    EXPECT_EQ(std::dynamic_pointer_cast<IRegexInfo>(RegexCreate(QStringLiteral("a|b")))->LastLiteral(), -1);
    EXPECT_EQ(std::dynamic_pointer_cast<IRegexInfo>(RegexCreate(QStringLiteral("abc")))->FirstByte(), 'a');
    auto m = regex->Match(QStringLiteral("on 2024-05!"));
    EXPECT_EQ(m->Groups()->NamedItems(QStringLiteral("month"))->Value(), QStringLiteral("05"));
    EXPECT_THROW(m->Groups()->NamedItems(QStringLiteral("day")), ERegexBadGroupName);
    EXPECT_EQ(m->Groups()->Items(-1)->Value(), QStringLiteral("on "));
    EXPECT_EQ(m->Groups()->Items(-2)->Value(), QStringLiteral("!"));
}

TEST(RegexMatch, LocaleTablesAndBadLocales)
{
    try {
        RegexCreate(QStringLiteral("a"), QStringLiteral("xx_NOWHERE"), RXLC_CTYPE);
        FAIL() << "no exception";
    } catch (const EBadRegexLocale &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid locale string xx_NOWHERE or invalid locale category 2"));
    }
    EXPECT_THROW(RegexCreate(QStringLiteral("a"), QStringLiteral("C"), TRegexLocaleCategory(42)), EBadRegexLocale);
    auto regex = RegexCreate(QStringLiteral("\\w+"), QStringLiteral("C.UTF-8"), RXLC_CTYPE);
    EXPECT_EQ(std::dynamic_pointer_cast<IRegexInfo>(regex)->LocaleName(), QStringLiteral("C.UTF-8"));
    EXPECT_EQ(regex->Match(QStringLiteral("abc def"))->Value(), QStringLiteral("abc"));
}

TEST(RegexMatch, OnePatternServesManyThreads)
{
    auto regex = RegexCreateCached(QStringLiteral("(\\d+)-(\\d+)"));
    EXPECT_EQ(regex, RegexCreateCached(QStringLiteral("(\\d+)-(\\d+)")));
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 2000; ++i) {
                const QString subject = QStringLiteral("x %1-%2 y").arg(t).arg(i);
                auto m = regex->Match(subject);
                if (m->Groups()->Items(2)->Value() != QString::number(i))
                    ++wrong;
            }
        });
    for (auto &th : threads)
        th.join();
    EXPECT_EQ(wrong.load(), 0);
}
