#include "editor/TCodeEditor.h"
#include "editor/TSynJScriptSyn.h"
#include "editor/TSynLexerBridge.h"
#include "editor/TSynPHPSyn.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>

namespace {

QsciScintilla &sciOf(TCodeEditor &editor)
{
    return *editor.findChild<QsciScintilla *>();
}

// The attribute name of every character, read from the editor's style bytes.
QStringList editorAttributes(TCodeEditor &editor, long firstLine, long lastLine)
{
    QsciScintilla &sci = sciOf(editor);
    auto *bridge = editor.findChild<TSynLexerBridge *>();
    QStringList names;
    for (long line = firstLine; line <= lastLine; ++line) {
        const long start = sci.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
        const long end = sci.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
        for (long pos = start; pos < end; pos = sci.SendScintilla(QsciScintillaBase::SCI_POSITIONAFTER, pos))
            names << bridge->description(int(sci.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, pos)));
        names << QStringLiteral("|");
    }
    return names;
}

// The same, straight from the highlighter, line after line from the top.
QStringList highlighterAttributes(const TSynCustomHighlighter &highlighter, const QStringList &lines)
{
    QStringList names;
    TLineState state;
    TSynLineOutput out;
    for (const QString &line : lines) {
        out.clear();
        highlighter.highlightLine(line, state, out);
        QList<QString> perChar(line.size(), highlighter.defaultAttribute()->name());
        for (const TSynToken &token : out.tokens())
            for (int i = token.start; i < token.start + token.length && i < line.size(); ++i)
                perChar[i] = token.attribute->name();
        for (int i = 0; i < line.size(); ++i)
            if (!line[i].isLowSurrogate())
                names << perChar[i];
        names << QStringLiteral("|");
    }
    return names;
}

// Lines first..last of a list made by the functions above.
QStringList linesOf(const QStringList &all, int first, int last)
{
    QStringList result;
    int line = 0;
    for (const QString &name : all) {
        if (line >= first && line <= last)
            result << name;
        if (name == u"|")
            ++line;
    }
    return result;
}

QStringList foldingScript()
{
    QStringList lines;
    for (int i = 0; i < 40; ++i) {
        lines << QStringLiteral("function f%1(a) {").arg(i) << QStringLiteral("  if (a) { /* open")
              << QStringLiteral("  still € comment */ return `t ${a + {b: 1}.b}`; }")
              << QStringLiteral("  let s = \"x\\\"y\"; // done") << QStringLiteral("}");
    }
    return lines;
}

TEST(LexerBridgeTest, StylesInTheEditorAreTheHighlighterOutput)
{
    // Fold headers make Scintilla ask for styling while a line is being
    // styled; that must not shift the styles of the lines after it.
    TSynJScriptSyn js;
    const QStringList lines = foldingScript();
    TCodeEditor editor;
    editor.setText(lines.join(u'\n'));
    editor.setHighlighter(&js);
    editor.styleAll();
    EXPECT_EQ(editorAttributes(editor, 0, lines.size() - 1), highlighterAttributes(js, lines));
}

// Painted once, the view is not painted again when the state of a line
// already styled is asked for (each caret move asks for the caret line's).
TEST(LexerBridgeTest, AskingTheStateOfAStyledLineDoesNotRepaintTheView)
{
    TSynJScriptSyn js;
    TCodeEditor editor;
    editor.setText(foldingScript().join(u'\n'));
    editor.setHighlighter(&js);
    editor.resize(500, 300);
    editor.show();
    QWidget *view = sciOf(editor).viewport();
    int paints = 0;
    struct PaintCount : QObject {
        int *count;
        explicit PaintCount(int *c) : count(c) {}
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                ++*count;
            return false;
        }
    } counter(&paints);
    view->installEventFilter(&counter);
    const QDeadlineTimer shown(5000);
    while (paints == 0 && !shown.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_GT(paints, 0);
    auto *bridge = editor.findChild<TSynLexerBridge *>();
    const QDeadlineTimer settled(200);
    while (!settled.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    paints = 0;
    const TLineState state = bridge->exactStartStateOf(3);
    const QDeadlineTimer after(200);
    while (!after.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(paints, 0);
    // The same state as an editor that never painted works out.
    TCodeEditor fresh;
    fresh.setText(foldingScript().join(u'\n'));
    fresh.setHighlighter(&js);
    EXPECT_TRUE(fresh.findChild<TSynLexerBridge *>()->exactStartStateOf(3) == state);
}

TEST(LexerBridgeTest, RestyleStopsWhereTheStateAgreesAgain)
{
    TSynJScriptSyn js;
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines << QStringLiteral("let v%1 = 1;").arg(i);
    TCodeEditor editor;
    editor.setText(lines.join(u'\n'));
    editor.setHighlighter(&js);
    editor.styleAll();
    auto *bridge = editor.findChild<TSynLexerBridge *>();
    const long long before = bridge->linesStyled();
    // A comment over three new lines: their states differ, the line after
    // them ends as before.
    editor.setCaret(1001, 1);
    editor.replaceSelection(QStringLiteral("/* a\nb\nc */ "));
    editor.styleAll();
    EXPECT_LE(bridge->linesStyled() - before, 5);
    lines[1000].prepend(QStringLiteral("/* a\nb\nc */ "));
    const QStringList now = lines.join(u'\n').split(u'\n');
    EXPECT_EQ(editorAttributes(editor, 998, 1006), linesOf(highlighterAttributes(js, now), 998, 1006));
}

class LexerBridgeJumpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A block comment from line 2 to line 30,000: below it the state is
        // plain code, above the jump target the nearest known state is the
        // comment, so the first guess is wrong.
        for (int i = 0; i < 60000; ++i) {
            if (i == 2)
                m_lines << QStringLiteral("/* a long comment");
            else if (i == 30000)
                m_lines << QStringLiteral("end of it */ let x = 'y';");
            else
                m_lines << QStringLiteral("let v%1 = \"s\"; // c").arg(i);
        }
        m_editor.resize(600, 400);
        m_editor.setText(m_lines.join(u'\n'));
        m_editor.setHighlighter(&m_js);
        m_editor.show();
        m_editor.grab();
        m_bridge = m_editor.findChild<TSynLexerBridge *>();
    }

    void showLine(int line)
    {
        m_editor.gotoLine(line);
        m_editor.grab();
    }

    QStringList m_lines;
    TSynJScriptSyn m_js;
    TCodeEditor m_editor;
    TSynLexerBridge *m_bridge = nullptr;
};

TEST_F(LexerBridgeJumpTest, JumpStylesOnlyNearTheShownLines)
{
    const long long before = m_bridge->linesStyled();
    showLine(45001);
    EXPECT_LT(m_bridge->linesStyled() - before, 2 * TSynLexerBridge::WarmUpLines);
    ASSERT_EQ(m_bridge->gaps().gaps().size(), 1);
    const TLineGap gap = m_bridge->gaps().gaps().first();
    EXPECT_GT(gap.first, 2);
    EXPECT_LT(gap.first, 100);
    EXPECT_EQ(gap.end, sciOf(m_editor).SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE) - TSynLexerBridge::WarmUpLines);
    EXPECT_EQ(m_editor.attributeNameAt(int(m_editor.text().indexOf(u"let v45000"))), QStringLiteral("Comment"));
}

TEST_F(LexerBridgeJumpTest, StylingTheGapLaterGivesTheStylesFromTheTop)
{
    showLine(45001);
    // Scrolling back up into the gap styles what is shown there.
    showLine(40001);
    const TLineGap *shown = m_bridge->gaps().firstOverlapping(40000, 40010);
    EXPECT_EQ(shown, nullptr);
    m_editor.styleAll();
    EXPECT_TRUE(m_bridge->gaps().isEmpty());

    TSynJScriptSyn fresh;
    TCodeEditor reference;
    reference.setText(m_lines.join(u'\n'));
    reference.setHighlighter(&fresh);
    reference.styleAll();
    for (long from : {0L, 29990L, 39990L, 44790L, 44990L, 59990L})
        ASSERT_EQ(editorAttributes(m_editor, from, from + 12), editorAttributes(reference, from, from + 12)) << from;
    EXPECT_EQ(m_editor.attributeNameAt(int(m_editor.text().indexOf(u"let v45000"))), QStringLiteral("Keyword"));
}

TEST_F(LexerBridgeJumpTest, GapsAreStyledWhileTheProgramIsIdle)
{
    showLine(45001);
    ASSERT_FALSE(m_bridge->gaps().isEmpty());
    QDeadlineTimer deadline(60000);
    while (!m_bridge->gaps().isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(m_bridge->gaps().isEmpty());
    m_editor.grab(); // lines below a gap that ended in another state are restyled when shown

    TSynJScriptSyn fresh;
    TCodeEditor reference;
    reference.setText(m_lines.join(u'\n'));
    reference.setHighlighter(&fresh);
    reference.styleAll();
    for (long from : {0L, 29990L, 39990L, 44790L, 44990L})
        ASSERT_EQ(editorAttributes(m_editor, from, from + 12), editorAttributes(reference, from, from + 12)) << from;
}

TEST_F(LexerBridgeJumpTest, EditsAfterAJumpRestyleTheEditedLineAndKeepTheGapInPlace)
{
    showLine(45001);
    const TLineGap gap = m_bridge->gaps().gaps().first();
    // Lines inserted above the gap move it down.
    m_editor.setCaret(3, 1);
    m_editor.replaceSelection(QStringLiteral("let n = 1;\nlet m = 2;\n"));
    m_editor.grab();
    ASSERT_FALSE(m_bridge->gaps().isEmpty());
    EXPECT_EQ(m_bridge->gaps().gaps().first().end, gap.end + 2);
    // Typing in the shown lines restyles them from the state above them.
    showLine(45003);
    m_editor.setCaret(45003, 1);
    m_editor.replaceSelection(QStringLiteral("*/ "));
    m_editor.grab();
    EXPECT_EQ(m_editor.attributeNameAt(int(m_editor.text().indexOf(u"let v45001"))), QStringLiteral("Keyword"));
}

} // namespace
