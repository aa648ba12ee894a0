// Very long lines (minified scripts) in the code editor: how they are styled,
// laid out, typed into, counted and loaded.
#include "TestSupport.h"

#include "editor/TCodeEditor.h"
#include "editor/TEditorFileLoader.h"
#include "editor/TSynJScriptSyn.h"
#include "editor/TSynLexerBridge.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// JavaScript that remembers the longest line it was given.
class RecordingHighlighter : public TSynCustomHighlighter
{
public:
    RecordingHighlighter() : TSynCustomHighlighter(QStringLiteral("recording"), QStringLiteral("Recording")) {}

    void highlightLine(QStringView line, TLineState &state, TSynLineOutput &out) const override
    {
        longest = std::max(longest, line.size());
        ++calls;
        m_js.highlightLine(line, state, out);
    }
    QList<const TSynHighlighterAttributes *> allAttributes() const override { return m_js.allAttributes(); }

    mutable qsizetype longest = 0;
    mutable int calls = 0;

private:
    TSynJScriptSyn m_js;
};

QsciScintilla &sciOf(TCodeEditor &editor)
{
    return *editor.findChild<QsciScintilla *>();
}

struct StyledChar
{
    int style = 0;
    QString attribute;
};

// Style number and attribute name of every character of a line, and whether
// the bytes of each character share one style.
QList<StyledChar> styledLine(TCodeEditor &editor, long line, bool *wholeCharacters = nullptr)
{
    QsciScintilla &sci = sciOf(editor);
    auto *bridge = editor.findChild<TSynLexerBridge *>();
    const long start = sci.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long end = sci.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    QList<StyledChar> result;
    if (wholeCharacters)
        *wholeCharacters = true;
    for (long pos = start; pos < end;) {
        const long next = sci.SendScintilla(QsciScintillaBase::SCI_POSITIONAFTER, pos);
        const int style = int(sci.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, pos));
        for (long byte = pos + 1; byte < next && wholeCharacters; ++byte)
            *wholeCharacters = *wholeCharacters && sci.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, byte) == style;
        result.append({style, bridge->description(style)});
        pos = next;
    }
    return result;
}

QStringList attributesOf(const QList<StyledChar> &chars)
{
    QStringList names;
    for (const StyledChar &c : chars)
        names << c.attribute;
    return names;
}

// The attribute of every character of one line straight from the highlighter.
QStringList highlighterAttributes(const TSynCustomHighlighter &highlighter, const QString &line, TLineState state = {})
{
    TSynLineOutput out;
    highlighter.highlightLine(line, state, out);
    QStringList perChar(line.size(), highlighter.allAttributes().first()->name());
    for (const TSynToken &token : out.tokens())
        for (int i = token.start; i < token.start + token.length && i < line.size(); ++i)
            perChar[i] = token.attribute->name();
    QStringList names;
    for (int i = 0; i < line.size(); ++i)
        if (!line[i].isLowSurrogate())
            names << perChar[i];
    return names;
}

// Minified-looking code of about the given length in UTF-16 units, with
// two- and four-byte characters.
QString codeLine(int length)
{
    QString line;
    for (int i = 0; line.size() < length; ++i)
        line += QStringLiteral("var v%1=\"ä€😀\"+f(%1)/2;if(v%1){x=[1,2]}/* c */").arg(i);
    line.truncate(length);
    if (line.back().isHighSurrogate())
        line.back() = u'x';
    return line;
}

void typeText(TCodeEditor &editor, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor.focusProxy(), &press);
    }
}

const int Limit = TSynLexerBridge::MaxStyledLineLength;

} // namespace

TEST(LongLineStyling, ALineOverTheLimitIsPlainAndTheLinesAfterItHighlight)
{
    // The long line opens a comment: shown plain, it passes on the state it
    // started with, so the next line is code.
    const QString longLine = QStringLiteral("/* ") + QString(Limit, u'x');
    const QString after = QStringLiteral("let b = 'c'; // d");
    RecordingHighlighter highlighter;
    TCodeEditor editor;
    editor.setText(QStringLiteral("let a = 1;\n") + longLine + u'\n' + after);
    editor.setHighlighter(&highlighter);
    editor.styleAll();

    EXPECT_LE(highlighter.longest, Limit);
    const QStringList plain = attributesOf(styledLine(editor, 1));
    ASSERT_EQ(plain.size(), longLine.size());
    EXPECT_EQ(plain.count(QStringLiteral("Text")), plain.size());
    EXPECT_EQ(attributesOf(styledLine(editor, 2)), highlighterAttributes(highlighter, after));
    EXPECT_EQ(attributesOf(styledLine(editor, 0)), highlighterAttributes(highlighter, QStringLiteral("let a = 1;")));
}

TEST(LongLineStyling, EditsAcrossTheLimitRestyleTheLine)
{
    // "let" then 'x' up to one byte over the limit.
    QString longLine = QStringLiteral("let s = 1; // ");
    longLine += QString(Limit + 1 - longLine.size(), u'x');
    RecordingHighlighter highlighter;
    TCodeEditor editor;
    editor.setText(longLine + QStringLiteral("\nlet t;"));
    editor.setHighlighter(&highlighter);
    editor.styleAll();
    ASSERT_EQ(styledLine(editor, 0).first().attribute, QStringLiteral("Text"));

    // One character less: highlighted as the highlighter says.
    editor.setSelection(int(longLine.size()) - 1, 1);
    editor.replaceSelection(QString());
    editor.styleAll();
    longLine.chop(1);
    EXPECT_EQ(attributesOf(styledLine(editor, 0)), highlighterAttributes(highlighter, longLine));
    EXPECT_EQ(highlighter.longest, Limit);

    // Over the limit again: plain again.
    editor.setCaretOffset(int(longLine.size()));
    editor.replaceSelection(QStringLiteral("yy"));
    editor.styleAll();
    const QStringList plain = attributesOf(styledLine(editor, 0));
    EXPECT_EQ(plain.count(QStringLiteral("Text")), plain.size());
    EXPECT_EQ(highlighter.longest, Limit);
}

TEST(LongLineStyling, LongStyledLinesAlternateEachStyleWithItsLookAlikeTwin)
{
    TSynJScriptSyn js;
    const QString shortLine = codeLine(TSynLexerBridge::FastLayoutLineLength / 4);
    const QString longLine = codeLine(TSynLexerBridge::FastLayoutLineLength * 3);
    TCodeEditor editor;
    editor.setText(shortLine + u'\n' + longLine);
    editor.setHighlighter(&js);
    editor.styleAll();
    auto *bridge = editor.findChild<TSynLexerBridge *>();
    QsciScintilla &sci = sciOf(editor);

    bool wholeCharacters = false;
    const QList<StyledChar> chars = styledLine(editor, 1, &wholeCharacters);
    EXPECT_TRUE(wholeCharacters);
    EXPECT_EQ(attributesOf(chars), highlighterAttributes(js, longLine));
    // Every character a style of its own against its neighbours, and a twin
    // looks like its attribute.
    int twins = 0;
    for (int i = 1; i < chars.size(); ++i) {
        ASSERT_NE(chars[i].style, chars[i - 1].style) << i;
        const int primary = bridge->styleOf(js.attribute(chars[i].attribute));
        if (chars[i].style != primary) {
            ++twins;
            EXPECT_EQ(sci.SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, chars[i].style),
                      sci.SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, primary));
            EXPECT_EQ(sci.SendScintilla(QsciScintillaBase::SCI_STYLEGETBOLD, chars[i].style),
                      sci.SendScintilla(QsciScintillaBase::SCI_STYLEGETBOLD, primary));
            EXPECT_EQ(sci.SendScintilla(QsciScintillaBase::SCI_STYLEGETITALIC, chars[i].style),
                      sci.SendScintilla(QsciScintillaBase::SCI_STYLEGETITALIC, primary));
        }
    }
    EXPECT_EQ(twins, chars.size() / 2);

    // A short line keeps one style per run.
    const QList<StyledChar> shortChars = styledLine(editor, 0);
    EXPECT_EQ(attributesOf(shortChars), highlighterAttributes(js, shortLine));
    for (const StyledChar &c : shortChars)
        EXPECT_EQ(c.style, bridge->styleOf(js.attribute(c.attribute)));
}

TEST(LongLineEditing, TypingAtTheEndOfALongLine)
{
    TSynJScriptSyn js;
    for (const int length : {Limit / 2, Limit * 3}) {
        const QString line = codeLine(length) + QStringLiteral("; /* open");
        TCodeEditor editor;
        editor.resize(600, 300);
        editor.setText(line);
        editor.setHighlighter(&js);
        editor.show();
        editor.grab();
        editor.setCaretOffset(editor.textLength());
        typeText(editor, QStringLiteral("€ab"));
        editor.grab();
        EXPECT_EQ(editor.text(), line + QStringLiteral("€ab"));
        EXPECT_EQ(editor.caretOffset(), line.size() + 3);
        EXPECT_EQ(editor.caretColumn(), line.size() + 4);
        // Typed into the open comment, or plain past the limit.
        const QString expected = length > Limit ? QStringLiteral("Text") : QStringLiteral("Comment");
        EXPECT_EQ(editor.attributeNameAt(int(line.size()) + 2), expected) << length;
        editor.undo();
        EXPECT_EQ(editor.text(), line);
    }
}

TEST(LongLineEditing, TypingIntoAPlainLineRestylesItFromTheEdit)
{
    // A character typed into a plain line keeps the plain style Scintilla
    // gave it, whatever its place in the alternation: the line's layout made
    // for the key then holds. The rest of the line keeps its styles.
    TSynJScriptSyn js;
    const QString line = codeLine(Limit * 2);
    TCodeEditor editor;
    editor.resize(600, 300);
    editor.setText(line + QStringLiteral("\nlet z;"));
    editor.setHighlighter(&js);
    editor.show();
    editor.grab();
    auto *bridge = editor.findChild<TSynLexerBridge *>();
    const int plain = bridge->styleOf(js.defaultAttribute());
    const QList<StyledChar> before = styledLine(editor, 0);
    // Character index (as styledLine counts) of a UTF-16 offset.
    const auto charIndex = [&](int offset) {
        return int(std::count_if(line.cbegin(), line.cbegin() + offset, [](QChar c) { return !c.isLowSurrogate(); }));
    };
    int typed = 0;
    for (const int offset : {int(line.size()), int(line.indexOf(u'x', 1000))}) {
        editor.setCaretOffset(offset);
        typeText(editor, QStringLiteral("q"));
        ++typed;
        editor.grab();
        editor.styleAll();
        const QList<StyledChar> after = styledLine(editor, 0);
        ASSERT_EQ(after.size(), before.size() + typed);
        const int at = charIndex(offset);
        EXPECT_EQ(after[at].style, plain) << offset;
        EXPECT_EQ(attributesOf(after).count(QStringLiteral("Text")), after.size());
        // Before the edit nothing changed.
        for (int i = 0; i < at; i += 97)
            ASSERT_EQ(after[i].style, before[i].style) << i;
    }
    EXPECT_EQ(attributesOf(styledLine(editor, 1)), highlighterAttributes(js, QStringLiteral("let z;")));
}

TEST(LongLineEditing, OffsetsNearBothEndsOfALongLine)
{
    // Positions are counted from the nearer end of a line; both ways must
    // agree with the text, before and after multi-byte characters.
    const QString line = codeLine(200000);
    const QString text = QStringLiteral("a€\n") + line + QStringLiteral("\r\nlast 😀 line");
    TCodeEditor editor;
    editor.setText(text);
    const int lineStart = 3;
    const int lineEnd = lineStart + int(line.size());
    for (const int offset : {lineStart, lineStart + 14, lineStart + 20, lineEnd - 20, lineEnd - 17, lineEnd - 1, lineEnd,
                             lineEnd + 2, lineEnd + 7, int(text.size()) - 1, int(text.size())}) {
        if (offset < text.size() && text[offset].isLowSurrogate())
            continue;
        editor.setCaretOffset(offset);
        EXPECT_EQ(editor.caretOffset(), offset);
        if (offset < lineEnd) {
            const int length = text[offset].isHighSurrogate() ? 2 : 1;
            editor.setSelection(offset, length);
            EXPECT_EQ(editor.selectedText(), text.mid(offset, length)) << offset;
            EXPECT_EQ(editor.selStart(), offset);
            EXPECT_EQ(editor.selLength(), length);
        }
    }
    editor.setCaretOffset(lineEnd - 1);
    EXPECT_EQ(editor.caretLine(), 2);
    EXPECT_EQ(editor.caretColumn(), int(line.size()));
}

TEST(LongLineLoading, PaintsAndWordWrapWaitWhileSlicesLengthenAShownLine)
{
    QTemporaryDir dir;
    const QString longFile = dir.filePath(QStringLiteral("long.js"));
    const QString manyLines = dir.filePath(QStringLiteral("lines.js"));
    TestSupport::writeFile(longFile, codeLine(int(3 * TEditorFileLoader::SliceSize)).toUtf8());
    TestSupport::writeFile(manyLines, QByteArray("let x = 1;\n").repeated(int(3 * TEditorFileLoader::SliceSize / 11)));
    for (const QString &path : {longFile, manyLines}) {
        TCodeEditor editor;
        editor.resize(600, 300);
        editor.setWordWrap(true);
        editor.show();
        QWidget *view = sciOf(editor).viewport();
        bool finished = false;
        QObject::connect(&editor, &TCodeEditor::loadFinished, [&](bool ok, const QString &) { finished = ok; });
        ASSERT_TRUE(editor.openFile(path).ok);
        EXPECT_TRUE(view->updatesEnabled()); // the first slice shows
        EXPECT_TRUE(editor.isLoading());
        EXPECT_FALSE(editor.wordWrap());
        bool held = false;
        while (!finished) {
            QApplication::processEvents();
            held = held || !view->updatesEnabled();
        }
        EXPECT_EQ(held, path == longFile);
        EXPECT_TRUE(view->updatesEnabled());
        EXPECT_TRUE(editor.wordWrap());
        EXPECT_EQ(editor.text().toUtf8(), TestSupport::readFile(path));
    }
}

// The layout cache stays at the page when wrapping changes: a cache per line
// of the document is sized anew at each paint while a large file loads.
TEST(LongLineLoading, SwitchingWordWrapKeepsTheLayoutCacheToThePage)
{
    TCodeEditor editor;
    for (const bool on : {true, false}) {
        editor.setWordWrap(on);
        EXPECT_EQ(editor.wordWrap(), on);
        EXPECT_EQ(sciOf(editor).SendScintilla(QsciScintillaBase::SCI_GETLAYOUTCACHE),
                  long(QsciScintillaBase::SC_CACHE_PAGE))
            << on;
    }
}
