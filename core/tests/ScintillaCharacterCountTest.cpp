#include "editor/TCodeEditor.h"

#include <Qsci/qsciscintilla.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

long countFromStart(const QsciScintilla &sci, long bytePos)
{
    return sci.SendScintilla(QsciScintillaBase::SCI_COUNTCHARACTERS, 0UL, bytePos);
}

// Characters (code points) in the first bytePos bytes of the UTF-8 text.
long referenceCount(const QByteArray &utf8, long bytePos)
{
    return long(QString::fromUtf8(utf8.left(bytePos)).toUcs4().size());
}

} // namespace

TEST(ScintillaCharacterCount, OurCountingTakesTheLibrarysCalls)
{
    // QScintilla's own calls resolve to the first definition in the
    // process's lookup order: it must be the one in our library.
    void *resolved = dlsym(RTLD_DEFAULT, "_ZNK17QsciScintillaBase13SendScintillaEjml");
    ASSERT_NE(resolved, nullptr);
    Dl_info info{};
    ASSERT_NE(dladdr(resolved, &info), 0);
    EXPECT_NE(QString::fromLocal8Bit(info.dli_fname).indexOf(QStringLiteral("libVYRA")), -1) << info.dli_fname;
}

TEST(ScintillaCharacterCount, CountsFromTheStartMatchTheText)
{
    TCodeEditor editor;
    auto *sci = editor.findChild<QsciScintilla *>();
    ASSERT_NE(sci, nullptr);
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += (i % 3 == 0) ? QStringLiteral("ä€😀 line\r\n") : (i % 3 == 1) ? QStringLiteral("plain\n") : QStringLiteral("x\r");
    editor.setText(text);
    const QByteArray utf8 = text.toUtf8();
    const long length = sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    ASSERT_EQ(length, utf8.size());
    for (long pos : {0L, 5L, 4096L, 4097L, 10000L, length / 2, length - 1, length}) {
        // Whole characters only: step back to the start of a UTF-8 sequence.
        while (pos > 0 && pos < length && (uchar(utf8.at(qsizetype(pos))) & 0xC0) == 0x80)
            --pos;
        EXPECT_EQ(countFromStart(*sci, pos), referenceCount(utf8, pos)) << pos;
    }
    // Counts that do not start at 0 are the library's own.
    EXPECT_EQ(sci->SendScintilla(QsciScintillaBase::SCI_COUNTCHARACTERS, 2UL, 13L),
              long(QString::fromUtf8(utf8.mid(2, 11)).toUcs4().size()));

    // Still right after edits in the middle.
    editor.setCaretOffset(int(text.size() / 2));
    editor.replaceSelection(QStringLiteral("😀😀\n"));
    const QByteArray edited = editor.text().toUtf8();
    const long end = long(edited.size());
    EXPECT_EQ(countFromStart(*sci, end), referenceCount(edited, end));
}

TEST(ScintillaCharacterCount, CountsWithinALongLineFromEitherEnd)
{
    // Positions in the second half of a line are counted back from the
    // start of the next line (or the end of the document).
    TCodeEditor editor;
    auto *sci = editor.findChild<QsciScintilla *>();
    ASSERT_NE(sci, nullptr);
    QString longLine;
    while (longLine.size() < 100000)
        longLine += QStringLiteral("ab€ä😀 ");
    for (const QString &text : {QStringLiteral("x\r\n") + longLine + QStringLiteral("\r\nend"), QStringLiteral("x\n") + longLine}) {
        editor.setText(text);
        const QByteArray utf8 = text.toUtf8();
        const long length = long(utf8.size());
        const long lineStart = long(utf8.indexOf('\n')) + 1;
        const long lineEnd = lineStart + long(longLine.toUtf8().size());
        for (long pos : {lineStart + 5000, lineEnd / 2, lineEnd / 2 + 1, lineEnd - 5000, lineEnd - 1, lineEnd, lineEnd + 1,
                         length - 1, length}) {
            pos = std::min(pos, length);
            while (pos > 0 && pos < length && (uchar(utf8.at(qsizetype(pos))) & 0xC0) == 0x80)
                --pos;
            EXPECT_EQ(countFromStart(*sci, pos), referenceCount(utf8, pos)) << pos;
        }
    }
}
