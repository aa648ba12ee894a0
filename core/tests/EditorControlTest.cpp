#include "TestSupport.h"

#include "editor/TCodeEditor.h"
#include "editor/TEditorFileLoader.h"
#include "editor/TSynJScriptSyn.h"
#include "editor/TSynLexerBridge.h"
#include "editor/TSynPHPSyn.h"
#include "editor/TUndoGroup.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kMixed = QStringLiteral("Grüße ä\n€ 100 😀 x\n\nEnde 😀😀");

class EditorOffsetTest : public ::testing::TestWithParam<const char *>
{
protected:
    QString text() const
    {
        QString t = kMixed;
        return t.replace(QChar(u'\n'), QString::fromLatin1(GetParam()));
    }
};

TEST_P(EditorOffsetTest, SelectionsAndCaretUseCharacterOffsets)
{
    TCodeEditor editor;
    const QString t = text();
    editor.setText(t);
    EXPECT_EQ(editor.text(), t);
    EXPECT_EQ(editor.textLength(), t.size());
    for (int start = 0; start <= t.size(); ++start) {
        if (start < t.size() && t[start].isLowSurrogate())
            continue;
        editor.setCaretOffset(start);
        ASSERT_EQ(editor.caretOffset(), start);
        for (int length : {0, 1, 2, 3}) {
            int end = std::min(start + length, int(t.size()));
            if (end < t.size() && t[end].isLowSurrogate())
                ++end;
            editor.setSelection(start, end - start);
            ASSERT_EQ(editor.selStart(), start);
            ASSERT_EQ(editor.selLength(), end - start);
            ASSERT_EQ(editor.selectedText(), t.mid(start, end - start)) << start << "+" << length;
        }
    }
}

TEST_P(EditorOffsetTest, CaretLineAndColumnAreOneBasedCharacters)
{
    TCodeEditor editor;
    const QString t = text();
    editor.setText(t);
    const int lastLineStart = int(t.lastIndexOf(QString::fromLatin1(GetParam()))) + int(strlen(GetParam()));
    editor.setCaretOffset(int(t.size()));
    EXPECT_EQ(editor.caretLine(), 4);
    EXPECT_EQ(editor.caretColumn(), t.size() - lastLineStart + 1);
    editor.setCaret(2, 7); // after "€ 100 "
    EXPECT_EQ(editor.caretOffset(), t.indexOf(u"😀"));
    editor.setSelection(editor.caretOffset(), 2);
    editor.replaceSelection(QStringLiteral("ß"));
    EXPECT_EQ(editor.lineText(1), QStringLiteral("€ 100 ß x"));
    EXPECT_EQ(editor.lines(), text().replace(QStringLiteral("😀 x"), QStringLiteral("ß x")).split(QString::fromLatin1(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(LineBreaks, EditorOffsetTest, ::testing::Values("\n", "\r\n"),
                         [](const auto &info) { return std::string(info.param[0] == '\r' ? "CrLf" : "Lf"); });

TEST(EditorUndoTest, UndoGroupIsUndoneInOneStep)
{
    TCodeEditor editor;
    editor.setText(QStringLiteral("abc"));
    editor.clearUndo();
    {
        TUndoGroup group(editor);
        editor.setSelection(0, 1);
        editor.replaceSelection(QStringLiteral("X"));
        editor.setCaretOffset(3);
        editor.replaceSelection(QStringLiteral("€€"));
        editor.setSelection(1, 1);
        editor.replaceSelection(QString());
    }
    EXPECT_EQ(editor.text(), QStringLiteral("Xc€€"));
    ASSERT_TRUE(editor.canUndo());
    editor.undo();
    EXPECT_EQ(editor.text(), QStringLiteral("abc"));
    EXPECT_FALSE(editor.canUndo());
    editor.redo();
    EXPECT_EQ(editor.text(), QStringLiteral("Xc€€"));
}

void typeText(TCodeEditor &editor, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor.focusProxy(), &press);
    }
}

TEST(EditorUndoTest, GroupUndoOptionDecidesWhetherTypingIsOneStep)
{
    TCodeEditor editor;
    typeText(editor, QStringLiteral("ab"));
    ASSERT_EQ(editor.text(), QStringLiteral("ab"));
    editor.undo();
    EXPECT_EQ(editor.text(), QString());

    ASSERT_TRUE(editor.setOption(QStringLiteral("eoGroupUndo"), false));
    EXPECT_FALSE(editor.option(QStringLiteral("GroupUndo")));
    typeText(editor, QStringLiteral("cd"));
    editor.undo();
    EXPECT_EQ(editor.text(), QStringLiteral("c"));
    EXPECT_FALSE(editor.setOption(QStringLiteral("NoSuchOption"), true));
}

TEST(EditorEventsTest, AcceptedKeyDownIsSwallowedAndKeyPressReportsText)
{
    TCodeEditor editor;
    QStringList pressed;
    QObject::connect(&editor, &TCodeEditor::keyPress, [&](const QString &text) { pressed << text; });
    QObject::connect(&editor, &TCodeEditor::keyDown, [](QKeyEvent *event) {
        if (event->text() == u"x")
            event->accept();
    });
    typeText(editor, QStringLiteral("axb"));
    EXPECT_EQ(editor.text(), QStringLiteral("ab"));
    EXPECT_EQ(pressed, QStringList({QStringLiteral("a"), QStringLiteral("b")}));
}

TEST(EditorEventsTest, ACharacterBeyondTheBasicPlaneIsTypedAsOneKeyAndNotLost)
{
    TCodeEditor editor;
    typeText(editor, QStringLiteral("a"));
    // An emoji of the keyboard layout arrives as one key whose text is a surrogate pair.
    QKeyEvent emoji(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("😀"));
    QApplication::sendEvent(editor.focusProxy(), &emoji);
    typeText(editor, QStringLiteral("b"));
    EXPECT_EQ(editor.text(), QStringLiteral("a😀b"));
    // The way most desktops deliver it: committed by the input method.
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("😀"));
    QApplication::sendEvent(editor.focusProxy(), &composed);
    EXPECT_EQ(editor.text(), QStringLiteral("a😀b😀"));
    editor.setReadOnly(true);
    QApplication::sendEvent(editor.focusProxy(), &emoji);
    EXPECT_EQ(editor.text(), QStringLiteral("a😀b😀"));
}

class EditorFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(EditorFileTest, EncodingsAreDetectedAndWrittenBackUnchanged)
{
    const QByteArray utf8Bom = "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\r\nzwei\r\n";
    const QByteArray cp1252 = "Gr\xFC\xDF" "e \x80\n";
    const QByteArray utf16 = QByteArray("\xFF\xFE", 2) + QByteArray("a\0\xAC\x20\n\0", 6);
    const struct {
        QByteArray bytes;
        QString text;
        TTextEncoding encoding;
        bool bom;
    } cases[] = {
        {utf8Bom, QStringLiteral("Grüße €\r\nzwei\r\n"), TTextEncoding::teUtf8, true},
        {cp1252, QStringLiteral("Grüße €\n"), TTextEncoding::teWindows1252, false},
        {utf16, QStringLiteral("a€\n"), TTextEncoding::teUtf16LE, true},
    };
    for (const auto &c : cases) {
        TestSupport::writeFile(path(QStringLiteral("in.txt")), c.bytes);
        TCodeEditor editor;
        ASSERT_TRUE(editor.loadFromFile(path(QStringLiteral("in.txt"))).ok);
        EXPECT_EQ(editor.text(), c.text);
        EXPECT_EQ(editor.fileFormat().encoding, c.encoding);
        EXPECT_EQ(editor.fileFormat().bom, c.bom);
        EXPECT_FALSE(editor.isModified());
        EXPECT_FALSE(editor.canUndo());
        ASSERT_TRUE(editor.saveToFile(path(QStringLiteral("out.txt"))).ok);
        EXPECT_EQ(TestSupport::readFile(path(QStringLiteral("out.txt"))), c.bytes);
    }
}

TEST_F(EditorFileTest, InvalidUtf8AfterTheFirstSliceReloadsAsWindows1252)
{
    QByteArray bytes(TEditorFileLoader::SliceSize + 100, 'a');
    bytes[10] = '\n';
    bytes.append("\xE4\n"); // "ä" in Windows-1252, invalid as UTF-8
    TestSupport::writeFile(path(QStringLiteral("big.txt")), bytes);
    TCodeEditor editor;
    ASSERT_TRUE(editor.loadFromFile(path(QStringLiteral("big.txt"))).ok);
    EXPECT_EQ(editor.fileFormat().encoding, TTextEncoding::teWindows1252);
    EXPECT_EQ(editor.textLength(), bytes.size());
    EXPECT_EQ(editor.lineText(editor.lineCount() - 2).right(2), QStringLiteral("aä"));
}

TEST_F(EditorFileTest, TextWindows1252CannotHoldIsNotWrittenAndTheFileStays)
{
    TestSupport::writeFile(path(QStringLiteral("a.txt")), "caf\xE9\n");
    TCodeEditor editor;
    ASSERT_TRUE(editor.loadFromFile(path(QStringLiteral("a.txt"))).ok);
    editor.setCaretOffset(0);
    editor.replaceSelection(QStringLiteral("😀"));
    const TEditorResult result = editor.saveToFile(path(QStringLiteral("a.txt")));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.errorText.isEmpty());
    EXPECT_EQ(TestSupport::readFile(path(QStringLiteral("a.txt"))), QByteArray("caf\xE9\n"));
    EXPECT_TRUE(editor.isModified());
}

TEST_F(EditorFileTest, MissingFileFailsWithAMessage)
{
    TCodeEditor editor;
    const TEditorResult result = editor.loadFromFile(path(QStringLiteral("none.txt")));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.errorText.isEmpty());
}

TEST_F(EditorFileTest, OpenFileShowsTheFirstSliceAndFinishesFromTheEventLoop)
{
    QByteArray bytes;
    while (bytes.size() < 3 * TEditorFileLoader::SliceSize)
        bytes.append("$x = 'line €';\n");
    TestSupport::writeFile(path(QStringLiteral("large.php")), bytes);
    TCodeEditor editor;
    bool finished = false;
    QObject::connect(&editor, &TCodeEditor::loadFinished, [&](bool ok, const QString &) { finished = ok; });
    ASSERT_TRUE(editor.openFile(path(QStringLiteral("large.php"))).ok);
    EXPECT_TRUE(editor.isLoading());
    EXPECT_GT(editor.lineCount(), 1000);
    typeText(editor, QStringLiteral("zz")); // refused while loading
    // Character offsets stay right while the line index is off for loading.
    const int lineLength = 15; // "$x = 'line €';\n"
    const auto checkOffsets = [&] {
        editor.setSelection(500 * lineLength + 11, 1);
        EXPECT_EQ(editor.selectedText(), QStringLiteral("€"));
        editor.setCaretOffset(500 * lineLength + 12);
        EXPECT_EQ(editor.caretLine(), 501);
        EXPECT_EQ(editor.caretColumn(), 13);
        EXPECT_EQ(editor.caretOffset(), 500 * lineLength + 12);
    };
    checkOffsets();
    while (!finished)
        QApplication::processEvents();
    EXPECT_FALSE(editor.isLoading());
    checkOffsets();
    EXPECT_EQ(editor.textLength(), bytes.count('\n') * lineLength);
    EXPECT_EQ(editor.lineCount(), bytes.count('\n') + 1);
    EXPECT_EQ(editor.lineText(0), QStringLiteral("$x = 'line €';"));
    EXPECT_FALSE(editor.isModified());
}

TEST(EditorHighlightTest, OneCharacterEditRestylesOnlyItsLineWhenTheStateStays)
{
    TSynPHPSyn php;
    TCodeEditor editor;
    QStringList lines;
    for (int i = 0; i < 2000; ++i)
        lines << QStringLiteral("$a%1 = 'x'; // c").arg(i);
    editor.setText(lines.join(u'\n'));
    editor.setHighlighter(&php);
    editor.styleAll();
    const int middle = int(lines.join(u'\n').indexOf(u"$a1000"));
    editor.setCaretOffset(middle + 1);
    editor.replaceSelection(QStringLiteral("b"));
    editor.styleAll();
    EXPECT_EQ(editor.attributeNameAt(middle), QStringLiteral("Variable"));
    // A comment opened in the middle changes every line after it.
    editor.setCaretOffset(middle);
    editor.replaceSelection(QStringLiteral("/*"));
    EXPECT_EQ(editor.attributeNameAt(editor.textLength() - 3), QStringLiteral("Comment"));
    editor.setSelection(middle, 2);
    editor.replaceSelection(QString());
    EXPECT_EQ(editor.attributeNameAt(editor.textLength() - 3), QStringLiteral("Comment"));
    EXPECT_EQ(editor.attributeNameAt(editor.textLength() - 8), QStringLiteral("String"));
}

TEST(EditorHighlightTest, StylingCountsStopAtTheUnchangedState)
{
    TSynJScriptSyn js;
    TCodeEditor editor;
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines << QStringLiteral("let v%1 = \"s\"; /* c */").arg(i);
    editor.setText(lines.join(u'\n'));
    editor.setHighlighter(&js);
    editor.styleAll();
    const QString text = lines.join(u'\n');
    const int middle = int(text.indexOf(u"v2500"));
    auto *bridge = editor.findChild<TSynLexerBridge *>();
    ASSERT_NE(bridge, nullptr);
    const long long before = bridge->linesStyled();
    editor.setCaretOffset(middle);
    editor.replaceSelection(QStringLiteral("w"));
    editor.styleAll();
    EXPECT_LE(bridge->linesStyled() - before, 2);
    EXPECT_EQ(editor.attributeNameAt(text.size() - 3), QStringLiteral("Comment"));
}

} // namespace
