#include "TestSupport.h"

#include "editor/TCodeEditor.h"
#include "editor/TEditorFileLoader.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class EditorFileLoaderTest : public ::testing::Test
{
protected:
    // Loads bytes through the slicing loader and saves them back.
    void roundTrip(const QByteArray &bytes, const QString &expectedText)
    {
        const QString in = m_dir.filePath(QStringLiteral("in.txt"));
        const QString out = m_dir.filePath(QStringLiteral("out.txt"));
        TestSupport::writeFile(in, bytes);
        TCodeEditor editor;
        ASSERT_TRUE(editor.loadFromFile(in).ok);
        EXPECT_EQ(editor.textLength(), expectedText.size());
        EXPECT_EQ(editor.text(), expectedText);
        EXPECT_FALSE(editor.isModified());
        EXPECT_FALSE(editor.canUndo());
        ASSERT_TRUE(editor.saveToFile(out).ok);
        EXPECT_EQ(TestSupport::readFile(out), bytes);
    }

    QTemporaryDir m_dir;
};

TEST_F(EditorFileLoaderTest, MultiByteCharactersAcrossSliceEndsStayWhole)
{
    // "€" (3 bytes) and an emoji (4 bytes) start one and two bytes before a
    // slice ends.
    for (qsizetype before : {1, 2, 3}) {
        QByteArray bytes(TEditorFileLoader::SliceSize - before, 'a');
        bytes.append(before == 3 ? "\xF0\x9F\x98\x80" : "\xE2\x82\xAC");
        bytes.append("z\n");
        roundTrip(bytes, QString::fromUtf8(bytes));
    }
}

TEST_F(EditorFileLoaderTest, CrLfAcrossASliceEndIsOneLineBreak)
{
    QByteArray bytes(TEditorFileLoader::SliceSize - 1, 'a');
    bytes.append("\r\nb");
    roundTrip(bytes, QString::fromLatin1(bytes));
    TCodeEditor editor;
    ASSERT_TRUE(editor.loadFromFile(m_dir.filePath(QStringLiteral("in.txt"))).ok);
    EXPECT_EQ(editor.lineCount(), 2);
    EXPECT_EQ(editor.lineText(1), QStringLiteral("b"));
}

TEST_F(EditorFileLoaderTest, Utf16SurrogatePairAcrossASliceEnd)
{
    // After the BOM a slice holds SliceSize bytes: the pair starts 2 bytes
    // before its end.
    QString text(int(TEditorFileLoader::SliceSize / 2 - 1), u'x');
    text += QStringLiteral("😀\r\nEnde");
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    roundTrip(bytes, text);
}

TEST_F(EditorFileLoaderTest, ManyShortLinesLoadWhole)
{
    // Enough lines for the loader to grow Scintilla's line arrays in
    // advance; the line break it keeps behind the text must be gone, and
    // bytes Scintilla treats specially (NUL) must arrive.
    QByteArray bytes;
    for (int i = 0; bytes.size() < 3 * TEditorFileLoader::SliceSize; ++i)
        bytes.append(QByteArray::number(i % 10)).append(i % 1000 == 0 ? QByteArray("\0\n", 2) : QByteArray("\n"));
    const QString in = m_dir.filePath(QStringLiteral("lines.txt"));
    TestSupport::writeFile(in, bytes);
    TCodeEditor editor;
    bool finished = false;
    QObject::connect(&editor, &TCodeEditor::loadFinished, [&](bool ok, const QString &) { finished = ok; });
    ASSERT_TRUE(editor.openFile(in).ok);
    while (editor.isLoading())
        QCoreApplication::processEvents();
    EXPECT_TRUE(finished);
    EXPECT_EQ(editor.lineCount(), bytes.count('\n') + 1);
    EXPECT_EQ(editor.textLength(), bytes.size());
    EXPECT_EQ(editor.lineText(editor.lineCount() - 1), QString());
    const QByteArray lastLine = bytes.chopped(1).mid(bytes.chopped(1).lastIndexOf('\n') + 1);
    EXPECT_EQ(editor.lineText(editor.lineCount() - 2), QString::fromLatin1(lastLine));
    EXPECT_FALSE(editor.isModified());
    EXPECT_FALSE(editor.canUndo());
    ASSERT_TRUE(editor.saveToFile(m_dir.filePath(QStringLiteral("back.txt"))).ok);
    EXPECT_EQ(TestSupport::readFile(m_dir.filePath(QStringLiteral("back.txt"))), bytes);
}

TEST_F(EditorFileLoaderTest, ManyLinesWithLateWindows1252BytesRestartAndLoadWhole)
{
    QByteArray bytes;
    while (bytes.size() < 2 * TEditorFileLoader::SliceSize)
        bytes.append("ab\n");
    bytes.append("caf\xE9\n");
    roundTrip(bytes, QString::fromLatin1(bytes));
}

} // namespace
