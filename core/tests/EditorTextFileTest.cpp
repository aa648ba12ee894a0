// The code editor reads a file as documents read it (TTextFile): the same
// text and format, and saving unchanged writes back the very bytes read.
#include "TestSupport.h"
#include "TextFileSamples.h"

#include "documents/TTextFile.h"
#include "editor/TCodeEditor.h"
#include "editor/TEditorFileLoader.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class EditorTextFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Opens bytes in the editor, the slices from the event loop when
    // sliced, and checks them against the document's reading and the
    // bytes saved back.
    void expectSameReadingAndBytes(const QByteArray &bytes, const char *what, bool sliced = false)
    {
        const QString in = path(QStringLiteral("in.txt"));
        const QString out = path(QStringLiteral("out.txt"));
        TestSupport::writeFile(in, bytes);
        TCodeEditor editor;
        if (sliced) {
            ASSERT_TRUE(editor.openFile(in).ok) << what;
            while (editor.isLoading())
                QCoreApplication::processEvents();
        } else {
            ASSERT_TRUE(editor.loadFromFile(in).ok) << what;
        }
        const TTextFile document = TTextFile::Decode(bytes);
        EXPECT_TRUE(editor.text() == document.text) << what;
        EXPECT_EQ(editor.fileFormat().encoding, document.format.encoding) << what;
        EXPECT_EQ(editor.fileFormat().bom, document.format.bom) << what;
        EXPECT_EQ(editor.lineBreak(), document.lineBreak) << what;
        EXPECT_FALSE(editor.isModified()) << what;
        ASSERT_TRUE(editor.saveToFile(out).ok) << what;
        EXPECT_TRUE(TestSupport::readFile(out) == bytes) << what;
    }

    QTemporaryDir m_dir;
};

TEST_F(EditorTextFileTest, EverySampleReadsAsTheDocumentReadsItAndSavesUnchanged)
{
    for (const TTextFileSample &sample : TextFileSamples()) {
        expectSameReadingAndBytes(sample.bytes, sample.what);
        expectSameReadingAndBytes(sample.bytes, sample.what, true);
    }
}

TEST_F(EditorTextFileTest, BytesThatBreakTheBomInALaterSliceMakeTheWholeFileWindows1252)
{
    // The BOM promised UTF-8 (or UTF-16), and the first slices keep that
    // promise; the last one does not. The editor then reads the file again
    // from its first byte, as the document reads it.
    QByteArray utf8("\xef\xbb\xbf");
    while (utf8.size() < 2 * TEditorFileLoader::SliceSize)
        utf8.append("Zeile \xe2\x82\xac\r\n");
    utf8.append("caf\xe9\r\n");
    expectSameReadingAndBytes(utf8, "UTF-8 BOM, Windows-1252 late", true);

    QByteArray utf16("\xff\xfe", 2);
    while (utf16.size() < 2 * TEditorFileLoader::SliceSize)
        utf16.append("x\0\n\0", 4);
    utf16.append("\x3d\xd8" "a\0", 4); // a high surrogate without its partner
    expectSameReadingAndBytes(utf16, "UTF-16 lone surrogate late", true);

    // An odd byte at the very end of a UTF-16 file.
    utf16.chop(4);
    utf16.append('\n');
    expectSameReadingAndBytes(utf16, "UTF-16 odd length", true);

    TCodeEditor editor;
    ASSERT_TRUE(editor.loadFromFile(path(QStringLiteral("in.txt"))).ok);
    EXPECT_TRUE(editor.lineText(0).startsWith(QStringLiteral("ÿþx"))) << "the BOM's bytes are text now";
}

TEST_F(EditorTextFileTest, AnEditSavesInTheFileEncodingWithItsBom)
{
    TestSupport::writeFile(path(QStringLiteral("be.txt")), QByteArray("\xfe\xff\0a\0\n", 6));
    TCodeEditor editor;
    ASSERT_TRUE(editor.loadFromFile(path(QStringLiteral("be.txt"))).ok);
    editor.setCaretOffset(1);
    editor.replaceSelection(QStringLiteral("€"));
    ASSERT_TRUE(editor.saveToFile(path(QStringLiteral("be.txt"))).ok);
    EXPECT_EQ(TestSupport::readFile(path(QStringLiteral("be.txt"))), QByteArray("\xfe\xff\0a\x20\xac\0\n", 8));
}

} // namespace
