#include "editor/TCodeEditor.h"
#include "editor/TSynCssSyn.h"
#include "editor/TSynHTMLSyn.h"
#include "editor/TSynJScriptSyn.h"
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
              QStringLiteral("<p>«<?»{php echo \"?>\"; }«?>» after</p>"));
    EXPECT_EQ(owners(QStringLiteral("<?php /* ?> */ $a = '?>'; ?>x")),
              QStringLiteral("«<?»{php /* ?> */ $a = '?>'; }«?>»x"));
}

TEST_F(MultiHighlighterTest, CloseTagInLineCommentEndsPhp)
{
    addPhp();
    EXPECT_EQ(owners(QStringLiteral("<?php // note ?> <b>html</b>")),
              QStringLiteral("«<?»{php // note }«?>» <b>html</b>"));
    EXPECT_EQ(owners(QStringLiteral("<?php # note ?>x")), QStringLiteral("«<?»{php # note }«?>»x"));
}

TEST_F(MultiHighlighterTest, ApostropheInHtmlBeforePhpDoesNotHideTheOpenTag)
{
    addPhp();
    EXPECT_EQ(owners(QStringLiteral("<p>it's <?php echo 'x'; ?>")),
              QStringLiteral("<p>it's «<?»{php echo 'x'; }«?>»"));
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
    EXPECT_EQ(owners(QStringLiteral("<div><?php"), state), QStringLiteral("<div>«<?»{php}"));
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

} // namespace
