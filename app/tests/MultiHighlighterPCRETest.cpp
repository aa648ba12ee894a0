#include "editor/TCodeEditor.h"
#include "editor/TSynCssSyn.h"
#include "editor/TSynHTMLSyn.h"
#include "editor/TSynJScriptSyn.h"
#include "editor/TSynMarkupSyn.h"
#include "editor/TSynPHPSyn.h"
#include "highlighter/TSynMultiSynPCRE.h"
#include "regex/RegexExceptions.h"

#include <gtest/gtest.h>

namespace {

// Markers as «text», PHP runs as {text}, everything else as plain text; only
// which highlighter coloured a run matters here.
class MultiHighlighterTest : public ::testing::Test
{
protected:
    MultiHighlighterTest() : multi(QStringLiteral("phphtml"), QStringLiteral("PHP/HTML"))
    {
        multi.setDefaultHighlighter(&html);
    }

    TScheme &addScheme(const QString &start, const QString &end, TSynCustomHighlighter *highlighter)
    {
        TScheme &scheme = multi.addScheme(highlighter->name());
        scheme.setStartExpr(start);
        scheme.setEndExpr(end);
        scheme.setHighlighter(highlighter);
        return scheme;
    }
    TScheme &addPhp() { return addScheme(QStringLiteral("phpstartexpr"), QStringLiteral("phpendexpr"), &php); }

    QString owners(const QString &line, TLineState &state)
    {
        TSynLineOutput out;
        multi.highlightLine(line, state, out);
        QString result;
        int pos = 0;
        for (const TSynToken &token : out.tokens()) {
            EXPECT_EQ(token.start, pos) << "gap or overlap in " << line.toStdString();
            pos = token.start + token.length;
            result += ownerMark(token.attribute, true) + line.mid(token.start, token.length) + ownerMark(token.attribute, false);
        }
        EXPECT_EQ(pos, line.size());
        return result.replace(QStringLiteral("}{"), QString()).replace(QStringLiteral("]["), QString());
    }
    QString owners(const QString &line)
    {
        TLineState state;
        return owners(line, state);
    }

    QString ownerMark(const TSynHighlighterAttributes *attribute, bool open) const
    {
        if (attribute->name() == u"Marker")
            return open ? QStringLiteral("«") : QStringLiteral("»");
        for (const TSynCustomHighlighter *h : {static_cast<const TSynCustomHighlighter *>(&php), static_cast<const TSynCustomHighlighter *>(&js),
                                               static_cast<const TSynCustomHighlighter *>(&css)}) {
            for (const auto &own : h->attributes()) {
                if (own.get() == attribute)
                    return open ? QStringLiteral("{") : QStringLiteral("}");
            }
        }
        return QString();
    }

    // "owner:Attribute" of the first character of needle, the lines
    // highlighted in turn from a fresh state; states holds each line's end.
    QString styleAt(const QStringList &lines, const QString &needle)
    {
        TLineState state;
        states.clear();
        QString result;
        for (const QString &line : lines) {
            TSynLineOutput out;
            multi.highlightLine(line, state, out);
            states.append(state);
            const qsizetype at = line.indexOf(needle);
            if (at < 0 || !result.isEmpty())
                continue;
            for (const TSynToken &token : out.tokens()) {
                if (token.start <= at && at < token.start + token.length)
                    result = ownerName(token.attribute) + u':' + token.attribute->name();
            }
        }
        return result;
    }
    QString ownerName(const TSynHighlighterAttributes *attribute) const
    {
        for (const TSynCustomHighlighter *h : {static_cast<const TSynCustomHighlighter *>(&php), static_cast<const TSynCustomHighlighter *>(&js),
                                               static_cast<const TSynCustomHighlighter *>(&css), static_cast<const TSynCustomHighlighter *>(&html)}) {
            for (const auto &own : h->attributes()) {
                if (own.get() == attribute)
                    return h->name();
            }
        }
        return QStringLiteral("marker");
    }
    void addScriptAndStyle()
    {
        addScheme(QStringLiteral("<style[^>]*>"), QStringLiteral("</style>"), &css);
        addScheme(QStringLiteral("<script[^>]*>"), QStringLiteral("</script>"), &js);
    }

    QList<TLineState> states;
    TSynHTMLSyn html;
    TSynPHPSyn php;
    TSynJScriptSyn js;
    TSynCssSyn css;
    TSynMultiSynPCRE multi;
};

TEST_F(MultiHighlighterTest, CloseTagInsidePhpStringIsSkippedForTheRealOne)
{
    addPhp();
    EXPECT_EQ(owners(QStringLiteral("<p><?php echo \"?>\"; ?> after</p>")),
              QStringLiteral("<p>«<?php»{ echo \"?>\"; }«?>» after</p>"));
    EXPECT_EQ(owners(QStringLiteral("<?php /* ?> */ $a = '?>'; ?>x")),
              QStringLiteral("«<?php»{ /* ?> */ $a = '?>'; }«?>»x"));
}

TEST_F(MultiHighlighterTest, CloseTagInLineCommentEndsPhp)
{
    addPhp();
    EXPECT_EQ(owners(QStringLiteral("<?php // note ?> <b>html</b>")),
              QStringLiteral("«<?php»{ // note }«?>» <b>html</b>"));
    EXPECT_EQ(owners(QStringLiteral("<?php # note ?>x")), QStringLiteral("«<?php»{ # note }«?>»x"));
}

TEST_F(MultiHighlighterTest, ApostropheInHtmlBeforePhpDoesNotHideTheOpenTag)
{
    addPhp();
    EXPECT_EQ(owners(QStringLiteral("<p>it's <?php echo 'x'; ?>")),
              QStringLiteral("<p>it's «<?php»{ echo 'x'; }«?>»"));
}

TEST_F(MultiHighlighterTest, FirstSchemeInListOrderWinsOverAnEarlierStart)
{
    addScheme(QStringLiteral("<style>"), QStringLiteral("</style>"), &css);
    addScheme(QStringLiteral("<script>"), QStringLiteral("</script>"), &js);
    EXPECT_EQ(owners(QStringLiteral("<script>a</script><style>b</style>")),
              QStringLiteral("<script>a</script>«<style>»{b}«</style>»"));
}

TEST_F(MultiHighlighterTest, OpenBlockContinuesIntoTheNextLine)
{
    addPhp();
    TLineState state;
    EXPECT_EQ(owners(QStringLiteral("<div><?php"), state), QStringLiteral("<div>«<?php»"));
    EXPECT_EQ(state.scheme, 0);
    EXPECT_EQ(owners(QStringLiteral("$a = 1; /* open"), state), QStringLiteral("{$a = 1; /* open}"));
    EXPECT_EQ(owners(QStringLiteral("?> still comment */ ?></div>"), state),
              QStringLiteral("{?> still comment */ }«?>»</div>"));
    EXPECT_EQ(state.scheme, -1);
}

TEST_F(MultiHighlighterTest, SchemeWithDisabledHighlighterOrEmptyExpressionNeverOpens)
{
    addScheme(QStringLiteral("<script>"), QStringLiteral("</script>"), &js);
    TScheme &empty = addScheme(QStringLiteral("<style>"), QString(), &css);
    js.setEnabled(false);
    EXPECT_EQ(owners(QStringLiteral("<script>a</script><style>b</style>")),
              QStringLiteral("<script>a</script><style>b</style>"));
    js.setEnabled(true);
    empty.setEndExpr(QStringLiteral("</style>"));
    empty.setStartExpr(QString());
    EXPECT_EQ(owners(QStringLiteral("<style>b</style><script>a</script>")),
              QStringLiteral("<style>b</style>«<script>»{a}«</script>»"));
}

TEST_F(MultiHighlighterTest, InvalidExpressionIsRefusedWithTheFacadeMessage)
{
    TScheme &scheme = addScheme(QStringLiteral("<x>"), QStringLiteral("</x>"), &js);
    try {
        scheme.setStartExpr(QStringLiteral("("));
        FAIL() << "no exception";
    } catch (const ERegexException &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Regular Expression \"(\" invalid.\r\nError details: ")))
            << e.what();
        EXPECT_TRUE(e.message().endsWith(u'.'));
        EXPECT_GT(e.message().size(), 50);
    }
    EXPECT_EQ(scheme.startExpr(), QStringLiteral("<x>"));
}

TEST_F(MultiHighlighterTest, EmptyMatchEndsTheScanOfTheLine)
{
    addScheme(QStringLiteral("x*"), QStringLiteral("y*"), &js);
    TLineState state;
    const QString result = owners(QStringLiteral("abc"), state);
    EXPECT_EQ(result, QStringLiteral("{abc}"));
    EXPECT_EQ(state.scheme, 0);
}

TEST_F(MultiHighlighterTest, PatternFailingWhileMatchingCountsAsNoMatch)
{
    addScheme(QStringLiteral("(a|aa)*(a|aa)*(a|aa)*(a|aa)*c"), QStringLiteral("d"), &js);
    const QString line = QString(60, u'a') + u'b';
    EXPECT_NO_THROW(EXPECT_EQ(owners(line), line));
}

TEST_F(MultiHighlighterTest, ScriptEndInsideJavaScriptStringEndsTheScriptAsInBrowsers)
{
    addScheme(QStringLiteral("<script[^>]*>"), QStringLiteral("</script>"), &js);
    EXPECT_EQ(owners(QStringLiteral("<script type=\"x\">s = \"</script>\";")),
              QStringLiteral("«<script type=\"x\">»{s = \"}«</script>»\";"));
}

TEST_F(MultiHighlighterTest, HtmlRangeSurvivesAPhpBlockInsideAnAttribute)
{
    addPhp();
    TLineState state;
    owners(QStringLiteral("<a href=\"<?php echo $u ?>\" title=\"t\">x</a>"), state);
    TSynLineOutput out;
    TLineState fresh;
    const QString line = QStringLiteral("<a href=\"<?php echo $u ?>\" title=\"t\">x</a>");
    multi.highlightLine(line, fresh, out);
    QString attributeOfTitle;
    for (const TSynToken &token : out.tokens()) {
        if (line.mid(token.start, token.length).contains(u"title"))
            attributeOfTitle = token.attribute->name();
    }
    EXPECT_EQ(attributeOfTitle, QStringLiteral("Attribute"));
    EXPECT_EQ(state.scheme, -1);
    EXPECT_EQ(state.outerRange.kind, TSynMarkupSyn::rkText);
}

TEST_F(MultiHighlighterTest, OpenTagIsOneMarkerWhicheverFormItHas)
{
    addPhp();
    EXPECT_EQ(owners(QStringLiteral("<p><?= $x ?></p>")), QStringLiteral("<p>«<?=»{ $x }«?>»</p>"));
    EXPECT_EQ(owners(QStringLiteral("<?PHP\techo 1 ?>")), QStringLiteral("«<?PHP»{\techo 1 }«?>»"));
    EXPECT_EQ(owners(QStringLiteral("<? echo 1 ?>")), QStringLiteral("«<?»{ echo 1 }«?>»"));
    EXPECT_EQ(owners(QStringLiteral("<?phpinfo() ?>")), QStringLiteral("«<?»{phpinfo() }«?>»"))
        << "the long tag needs white space after it";
}

// PHP runs before the browser reads the page: PHP inside a script block is
// PHP, and the script goes on after it as it was - inside a string or comment
// when one was open.
TEST_F(MultiHighlighterTest, PhpInsideScriptIsPhpAndTheScriptGoesOnAfterIt)
{
    addPhp();
    addScriptAndStyle();
    const QStringList lines = {
        QStringLiteral("<script type=\"text/javascript\">"),
        QStringLiteral("var label = \"Caption: <?php echo $title; ?> (edited)\"; // note <?= $n ?> more"),
        QStringLiteral("/* block <?php echo '*/'; ?> still comment */ var after = 1;"),
        QStringLiteral("var a = <?php echo '</script>'; ?>; var b;"),
        QStringLiteral("</script><p>done</p>")};
    EXPECT_EQ(styleAt(lines, QStringLiteral("$title")), QStringLiteral("php:Variable"));
    EXPECT_EQ(styleAt(lines, QStringLiteral(" (edited)")), QStringLiteral("javascript:String"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("; // note")), QStringLiteral("javascript:Symbol"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("<?= $n")), QStringLiteral("marker:Marker"));
    EXPECT_EQ(styleAt(lines, QStringLiteral(" more")), QStringLiteral("javascript:Comment"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("'*/'")), QStringLiteral("php:String"));
    EXPECT_EQ(styleAt(lines, QStringLiteral(" still comment")), QStringLiteral("javascript:Comment"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("var after")), QStringLiteral("javascript:Keyword"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("'</script>'")), QStringLiteral("php:String"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("var b")), QStringLiteral("javascript:Keyword"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("</script><p>")), QStringLiteral("marker:Marker"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("p>done")), QStringLiteral("html:Tag"));
    EXPECT_EQ(states.last().scheme, -1);
    EXPECT_EQ(states.last().suspendedScheme, -1);
}

TEST_F(MultiHighlighterTest, ScriptStateWaitsAcrossLinesWhilePhpRuns)
{
    addPhp();
    addScriptAndStyle();
    const QStringList lines = {QStringLiteral("<script>"),
                               QStringLiteral("var s = 'a <?php"),
                               QStringLiteral("echo \"?>\"; // done"),
                               QStringLiteral("?> b'; var t = 2;"),
                               QStringLiteral("</script>")};
    EXPECT_EQ(styleAt(lines, QStringLiteral("echo")), QStringLiteral("php:Keyword"));
    EXPECT_EQ(styleAt(lines, QStringLiteral(" b';")), QStringLiteral("javascript:String"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("var t")), QStringLiteral("javascript:Keyword"));
    ASSERT_EQ(states.size(), 5);
    EXPECT_EQ(states[1].scheme, 0) << "PHP is open";
    EXPECT_EQ(states[1].suspendedScheme, 2) << "the script waits";
    EXPECT_EQ(states[1].suspendedRange.kind, TSynJScriptSyn::rkSingleString);
    EXPECT_EQ(states[2].suspendedScheme, 2);
    EXPECT_EQ(states[3].scheme, 2);
    EXPECT_EQ(states[3].suspendedScheme, -1);
    EXPECT_EQ(states[3].range.kind, TSynJScriptSyn::rkCode);
}

TEST_F(MultiHighlighterTest, PhpInsideStyleAndAttributeValuesLeavesTheirStringsOpen)
{
    addPhp();
    addScriptAndStyle();
    const QStringList lines = {
        QStringLiteral("<a title=\"x <?php echo 1 ?> y\" href=\"z\">link</a><style>"),
        QStringLiteral(".logo { background: url(\"<?= $base ?>/logo.png\"); /* <?php echo 1 ?> still */ color: red; }"),
        QStringLiteral("</style>")};
    EXPECT_EQ(styleAt(lines, QStringLiteral(" y\"")), QStringLiteral("html:Value"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("href")), QStringLiteral("html:Attribute"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("$base")), QStringLiteral("php:Variable"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("/logo.png")), QStringLiteral("css:String"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("); /*")), QStringLiteral("css:Symbol"));
    EXPECT_EQ(styleAt(lines, QStringLiteral(" still */")), QStringLiteral("css:Comment"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("color")), QStringLiteral("css:Property"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("</style>")), QStringLiteral("marker:Marker"));
}

// The scheme listed first wins a line, except that PHP, which nests in the
// others, lets a block that starts before the open tag open first.
TEST_F(MultiHighlighterTest, ScriptStartingBeforePhpOnTheSameLineOpensFirst)
{
    addPhp();
    addScriptAndStyle();
    EXPECT_EQ(styleAt({QStringLiteral("<script>var id = <?php echo $id; ?>; init(\"a\");</script><?php echo 2 ?>")},
                      QStringLiteral("var id")),
              QStringLiteral("javascript:Keyword"));
    EXPECT_EQ(styleAt({QStringLiteral("<script>var id = <?php echo $id; ?>; init(\"a\");</script>")},
                      QStringLiteral("$id")),
              QStringLiteral("php:Variable"));
    EXPECT_EQ(styleAt({QStringLiteral("<script>var id = <?php echo $id; ?>; init(\"a\");</script>")},
                      QStringLiteral("\"a\"")),
              QStringLiteral("javascript:String"));
    // The start marker would swallow the PHP block: PHP comes first.
    EXPECT_EQ(styleAt({QStringLiteral("<script src=\"<?php echo $u; ?>\">")}, QStringLiteral("$u")),
              QStringLiteral("php:Variable"));
}

// "<style<?php echo $type_attr; ?>>": the start marker holds a PHP block,
// which is PHP, and the block after it is still CSS.
TEST_F(MultiHighlighterTest, PhpInsideAStartTagLeavesTheBlockToItsScheme)
{
    addPhp();
    addScriptAndStyle();
    const QStringList lines = {QStringLiteral("<style<?php echo $type_attr; ?>>"), QStringLiteral(".a { color: red; }"),
                               QStringLiteral("</style><script type=\"text/html\" id=\"tmpl-<?= $t ?>-x\"><?php echo 1 ?>"),
                               QStringLiteral("var b = 2;"), QStringLiteral("</script>")};
    EXPECT_EQ(styleAt(lines, QStringLiteral("<style")), QStringLiteral("marker:Marker"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("$type_attr")), QStringLiteral("php:Variable"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("color")), QStringLiteral("css:Property"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("$t")), QStringLiteral("php:Variable"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("-x\">")), QStringLiteral("marker:Marker"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("echo 1")), QStringLiteral("php:Keyword"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("var b")), QStringLiteral("javascript:Keyword"));
    ASSERT_EQ(states.size(), 5);
    EXPECT_EQ(states[0].scheme, 1) << "the style block is open";
    EXPECT_EQ(states[0].suspendedScheme, -1);
    EXPECT_EQ(states[4].scheme, -1);

    TLineState fresh;
    TSynLineOutput out;
    multi.highlightLine(lines[0], fresh, out);
    EXPECT_EQ(out.foldDelta(), 1) << "one block opens; the PHP block opens and closes";
}

TEST_F(MultiHighlighterTest, PhpLeftOpenInAStartTagComesFirst)
{
    addPhp();
    addScriptAndStyle();
    const QStringList lines = {QStringLiteral("<style <?php if ($a) {"), QStringLiteral("} ?>>")};
    EXPECT_EQ(styleAt(lines, QStringLiteral("$a")), QStringLiteral("php:Variable"));
    EXPECT_EQ(states[0].scheme, 0);
    EXPECT_EQ(states[1].scheme, -1);
}

// After "a" a slash divides; the PHP block in between does not change that.
TEST_F(MultiHighlighterTest, ScriptKeepsWhetherASlashStartsARegularExpression)
{
    addPhp();
    addScriptAndStyle();
    const QStringList lines = {QStringLiteral("<script>"), QStringLiteral("x = a<?php echo 1 ?> / 2 / b;"),
                               QStringLiteral("</script>")};
    EXPECT_EQ(styleAt(lines, QStringLiteral("/ 2")), QStringLiteral("javascript:Symbol"));
}

TEST_F(MultiHighlighterTest, LineEndStillEndsWhatALineEndEnds)
{
    addPhp();
    addScriptAndStyle();
    const QStringList lines = {QStringLiteral("<script>"), QStringLiteral("var s = 'open // <?php echo 1 ?>"),
                               QStringLiteral("x = 1;"), QStringLiteral("</script><style>"),
                               QStringLiteral("a { content: \"open <?php echo 1 ?>"), QStringLiteral("color: red; }")};
    EXPECT_EQ(styleAt(lines, QStringLiteral("x = 1")), QStringLiteral("javascript:Identifier"));
    EXPECT_EQ(styleAt(lines, QStringLiteral("color")), QStringLiteral("css:Value")) << "the value goes on, the string not";
}

} // namespace
