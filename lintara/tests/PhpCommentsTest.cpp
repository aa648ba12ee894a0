#include "php/TPHPComments.h"

#include <gtest/gtest.h>

TEST(PhpComments, HalfOpenRangesOfLiteralsAndComments)
{
    const QString text = QStringLiteral("$a = 'x'; // c\nclass A {} /* b */ # h\n$b = \"q\\\"r\";");
    TPHPComments comments;
    comments.SetSource(text);
    const int32_t quote = int32_t(text.indexOf(u'\''));
    EXPECT_TRUE(comments.CheckIsCommented(quote, 3));
    EXPECT_FALSE(comments.CheckIsCommented(quote, 4)); // ends behind the literal
    const int32_t line = int32_t(text.indexOf(QLatin1String("//")));
    EXPECT_TRUE(comments.CheckIsCommented(line + 3, 100)); // for a line comment only the start counts
    EXPECT_FALSE(comments.CheckIsCommented(int32_t(text.indexOf(QLatin1String("class"))), 5));
    EXPECT_TRUE(comments.CheckIsPartiallyCommented(int32_t(text.indexOf(QLatin1String("/*"))) + 2, 1));
    EXPECT_FALSE(comments.CheckIsPartiallyCommented(int32_t(text.indexOf(QLatin1String("*/"))) + 2, 1));
    comments.FullParse();
    ASSERT_EQ(comments.GetCommentCount(), 5);
    EXPECT_TRUE(comments.GetComments(1).IsLineComment);
    EXPECT_EQ(comments.GetComments(1).Length, 4); // "// c" without the line break
    EXPECT_EQ(comments.GetComments(4).Length, 6); // "q\"r" with its escaped quote
}

TEST(PhpComments, ScansLazilyAndStartsOverOnNewText)
{
    const QString text = QStringLiteral("'a' ") + QString(1000, u'x') + QStringLiteral(" 'b'");
    TPHPComments comments;
    comments.SetSource(text);
    EXPECT_TRUE(comments.CheckIsCommented(1, 1));
    EXPECT_LT(comments.ParsedTo(), 100);
    EXPECT_EQ(comments.GetCommentCount(), 1);
    comments.SetSource(text); // equal text keeps the index
    EXPECT_EQ(comments.GetCommentCount(), 1);
    comments.SetSource(QStringLiteral("# x"));
    EXPECT_EQ(comments.GetCommentCount(), 0);
    EXPECT_TRUE(comments.CheckIsCommented(1, 1));
}

TEST(PhpComments, MultiLineLiteralsHeredocsAndAttributes)
{
    const QString text = QStringLiteral("$q = \"SELECT\n  'x' FROM t\";\n#[Attr('y')]\n$h = <<<\"SQL\"\n  it's\n  SQL;\n$z = 1;");
    TPHPComments comments;
    comments.SetSource(text);
    EXPECT_TRUE(comments.CheckIsCommented(int32_t(text.indexOf(QLatin1String("FROM"))), 4));
    EXPECT_FALSE(comments.CheckIsCommented(int32_t(text.indexOf(QLatin1String("Attr"))), 4)); // not a comment
    EXPECT_TRUE(comments.CheckIsCommented(int32_t(text.indexOf(QLatin1String("it's"))), 4));
    EXPECT_FALSE(comments.CheckIsCommented(int32_t(text.indexOf(QLatin1String("$z"))), 2));
}

TEST(PhpComments, HtmlPartsWhenTheTextIsAWholeFile)
{
    const QString text = QStringLiteral("<p>don't</p><?php $a = 1; // x ?> it's <?php $b = 'c';");
    TPHPComments comments;
    comments.SetStartsInHtml(true);
    comments.SetSource(text);
    EXPECT_FALSE(comments.CheckIsCommented(int32_t(text.indexOf(u'\'')), 1)); // apostrophe in HTML
    EXPECT_FALSE(comments.CheckIsCommented(int32_t(text.indexOf(QLatin1String("?>"))), 2)); // ends the comment
    EXPECT_TRUE(comments.CheckIsCommented(int32_t(text.lastIndexOf(u'c')), 1));
}
