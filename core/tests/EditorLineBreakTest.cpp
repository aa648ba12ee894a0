// New line breaks in the code editor are the file's own: typed, pasted and
// dropped.
#include "TestSupport.h"

#include "editor/TCodeEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

namespace {

class EditorLineBreakTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Loads bytes into the shown editor, caret at the end of the first line.
    void load(TCodeEditor &editor, const QByteArray &bytes)
    {
        TestSupport::writeFile(path(QStringLiteral("in.txt")), bytes);
        ASSERT_TRUE(editor.loadFromFile(path(QStringLiteral("in.txt"))).ok);
        editor.show();
        editor.setCaret(1, int(editor.lineText(0).size()) + 1);
    }
    QByteArray saved(TCodeEditor &editor)
    {
        EXPECT_TRUE(editor.saveToFile(path(QStringLiteral("out.txt"))).ok);
        return TestSupport::readFile(path(QStringLiteral("out.txt")));
    }

    QTemporaryDir m_dir;
};

TEST_F(EditorLineBreakTest, EnterInsertsTheFilesFirstLineBreak)
{
    const struct {
        QByteArray bytes;
        QByteArray expected;
        TLineBreak lineBreak;
    } cases[] = {
        {"eins\r\nzwei\r\n", "eins\r\nneu\r\nzwei\r\n", TLineBreak::lbCRLF},
        {"eins\nzwei\n", "eins\nneu\nzwei\n", TLineBreak::lbLF},
        {"eins\rzwei\r", "eins\rneu\rzwei\r", TLineBreak::lbCR},
        {"eins\rzwei\r\ndrei\r\n", "eins\rneu\rzwei\r\ndrei\r\n", TLineBreak::lbCR}, // the first one decides
        {"eins", "eins\nneu", TLineBreak::lbLF},                                     // none: LF
    };
    for (const auto &c : cases) {
        TCodeEditor editor;
        load(editor, c.bytes);
        EXPECT_EQ(editor.lineBreak(), c.lineBreak) << c.bytes.constData();
        QWidget *view = editor.focusProxy();
        QTest::keyClick(view, Qt::Key_Return);
        QTest::keyClicks(view, QStringLiteral("neu"));
        EXPECT_EQ(saved(editor), c.expected) << c.bytes.toHex().constData();
    }
}

TEST_F(EditorLineBreakTest, PastedTextGetsTheFilesLineBreaks)
{
    TCodeEditor editor;
    load(editor, "a\r\nb\r\n");
    QApplication::clipboard()->setText(QStringLiteral("1\n2\r3\r\n"));
    editor.paste();
    EXPECT_EQ(saved(editor), QByteArray("a1\r\n2\r\n3\r\n\r\nb\r\n"));

    TCodeEditor cr;
    load(cr, "a\rb");
    cr.paste();
    EXPECT_EQ(saved(cr), QByteArray("a1\r2\r3\r\rb"));
}

TEST_F(EditorLineBreakTest, DroppedTextGetsTheFilesLineBreaks)
{
    TCodeEditor editor;
    load(editor, "a\r\nb\r\n");
    QWidget *viewport = static_cast<QsciScintilla *>(editor.focusProxy())->viewport();
    QMimeData data;
    data.setText(QStringLiteral("x\ny"));
    const QPoint at(1, 1); // before "a"
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    const QByteArray bytes = saved(editor);
    EXPECT_TRUE(bytes.contains("x\r\ny")) << bytes.constData();
    EXPECT_FALSE(bytes.contains("x\ny"));
}

TEST_F(EditorLineBreakTest, SetTextWithLineBreaksDecidesAndWithoutKeeps)
{
    TCodeEditor editor;
    editor.setText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(editor.lineBreak(), TLineBreak::lbCRLF);
    editor.setText(QStringLiteral("eine Zeile"));
    EXPECT_EQ(editor.lineBreak(), TLineBreak::lbCRLF);
    editor.setLines({QStringLiteral("x"), QStringLiteral("y")});
    EXPECT_EQ(editor.text(), QStringLiteral("x\r\ny"));
}

} // namespace
