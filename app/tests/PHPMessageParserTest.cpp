#include "phpcheck/TPHPCheckRunner.h"
#include "phpcheck/TPHPMessageParser.h"

#include <gtest/gtest.h>

namespace {

QList<TPHPMessage> parse(const QStringList &lines, const QString &checked = QStringLiteral("/srv/a.php"),
                         const QString &document = QStringLiteral("/srv/a.php"))
{
    return TPHPMessageParser(checked, document).Parse(lines);
}

} // namespace

TEST(PHPMessageParser, HtmlErrorGivesKindFileLineAndDecodedText)
{
    const auto rows = parse({QStringLiteral("<br />"),
                             QStringLiteral("<b>Parse error</b>:  syntax error, unexpected token &quot;echo&quot;, "
                                            "expecting &quot;;&quot; in <b>/srv/a.php</b> on line <b>3</b><br />")});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].Kind, "Parse error");
    EXPECT_EQ(rows[0].FileName, "/srv/a.php");
    EXPECT_EQ(rows[0].Line, 3);
    EXPECT_EQ(rows[0].Text, "syntax error, unexpected token \"echo\", expecting \";\"");
    EXPECT_EQ(rows[0].DisplayText(), "[Parse error] a.php(3): syntax error, unexpected token \"echo\", expecting \";\"");
    EXPECT_TRUE(rows[0].IsError);
}

TEST(PHPMessageParser, InIsMatchedAsAWordAndAtTheLastPosition)
{
    // "domain in /x.php" once gave the file "in /x.php".
    auto rows = parse({QStringLiteral("<b>Notice</b>:  Undefined index: domain in <b>/x.php</b> on line <b>3</b>")});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].FileName, "/x.php");
    EXPECT_EQ(rows[0].Text, "Undefined index: domain");
    // A message that itself says "in ... on line" keeps it in its text.
    rows = parse({QStringLiteral("PHP Warning:  bad in b.php on line 9 in /srv/c.php on line 4")});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].FileName, "/srv/c.php");
    EXPECT_EQ(rows[0].Line, 4);
    EXPECT_EQ(rows[0].Text, "bad in b.php on line 9");
}

TEST(PHPMessageParser, IncludedFileKeepsItsNameAndPrivateCopyBecomesTheDocument)
{
    const auto rows = parse({QStringLiteral("<b>Warning</b>:  include(nope.php): Failed to open stream in "
                                            "<b>/srv/lib/inc.php</b> on line <b>7</b><br />"),
                             QStringLiteral("<b>Parse error</b>:  oops in <b>/tmp/private/check1.php</b> on line "
                                            "<b>2</b><br />"),
                             QStringLiteral("<b>Parse error</b>:  old in <b>/tmp/Test.tmp</b> on line <b>5</b>")},
                            QStringLiteral("/tmp/private/check1.php"), QStringLiteral("/home/u/site/index.php"));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].FileName, "/srv/lib/inc.php");
    EXPECT_EQ(rows[0].Text, "include(nope.php): Failed to open stream");
    EXPECT_EQ(rows[1].FileName, "/home/u/site/index.php");
    EXPECT_EQ(rows[1].DisplayText(), "[Parse error] index.php(2): oops");
    EXPECT_EQ(rows[2].FileName, "/home/u/site/index.php");
}

TEST(PHPMessageParser, UncaughtErrorOverSeveralLinesIsOneRowAtItsLastPosition)
{
    const auto rows = parse({QStringLiteral("<br />"),
                             QStringLiteral("<b>Fatal error</b>:  Uncaught Exception: bo&lt;x&gt; in /srv/a.php:2"),
                             QStringLiteral("Stack trace:"), QStringLiteral("#0 /srv/a.php(3): f()"),
                             QStringLiteral("#1 {main}"),
                             QStringLiteral("  thrown in <b>/srv/a.php</b> on line <b>2</b><br />"),
                             QStringLiteral("<b>Warning</b>:  later in <b>/srv/a.php</b> on line <b>9</b>")});
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].Kind, "Fatal error");
    EXPECT_EQ(rows[0].Line, 2);
    EXPECT_EQ(rows[0].Text, "Uncaught Exception: bo<x> in /srv/a.php:2");
    EXPECT_EQ(rows[1].Line, 9);
}

TEST(PHPMessageParser, PlainCommandLineFormAndEntities)
{
    const auto rows = parse({QStringLiteral("PHP Parse error:  syntax error, unexpected end of file in a.php on line 12"),
                             QStringLiteral("Errors parsing a.php")});
    ASSERT_EQ(rows.size(), 1); // the closing summary is no message of its own
    EXPECT_EQ(rows[0].Kind, "Parse error");
    EXPECT_EQ(rows[0].FileName, "/srv/a.php"); // relative to the folder it ran in: the checked file
    EXPECT_EQ(rows[0].Line, 12);
    EXPECT_EQ(TPHPMessageParser::PlainText(QStringLiteral("<i>a</i> &amp;lt; &#039;b&#039; &gt;")), "a &lt; 'b' >");
}

TEST(PHPMessageParser, FailedRunWithoutPositionsIsNeverReportedAsSuccess)
{
    // Debian's php-cli logs to stderr and prints only a summary without position to stdout.
    TPHPCheckResult failed;
    failed.Status = TPHPCheckResult::TStatus::Failed;
    failed.Lines = {QStringLiteral("Could not open input file: x"), QStringLiteral("Errors parsing a.php")};
    auto rows = TPHPMessageParser({}, QStringLiteral("/srv/a.php")).Report(failed);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].IsError);
    EXPECT_EQ(rows[0].Line, -1);
    EXPECT_EQ(rows[0].DisplayText(), "[Fehler] Could not open input file: x");

    failed.Lines.clear();
    rows = TPHPMessageParser({}, QStringLiteral("/srv/a.php")).Report(failed);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].IsError);
    EXPECT_TRUE(rows[0].Text.contains("a.php"));

    TPHPCheckResult timedOut;
    timedOut.Status = TPHPCheckResult::TStatus::TimedOut;
    timedOut.ErrorText = QStringLiteral("angehalten");
    EXPECT_TRUE(TPHPMessageParser({}, QStringLiteral("/srv/a.php")).Report(timedOut).first().IsError);

    TPHPCheckResult passed;
    passed.Status = TPHPCheckResult::TStatus::Passed;
    rows = TPHPMessageParser({}, QStringLiteral("/srv/a.php")).Report(passed);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_FALSE(rows[0].IsError);
    EXPECT_EQ(rows[0].DisplayText(), "Keine Fehler im Quellcode gefunden.");
}
