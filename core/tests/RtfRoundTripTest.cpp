#include "TestSupport.h"

#include "editor/TRichEditor.h"
#include "editor/TRtfReader.h"
#include "editor/TRtfWriter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

QTextCharFormat formatAt(const QTextDocument &document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

TEST(RtfRoundTripTest, FormatsSurviveWritingAndReadingBack)
{
    TRichEditor editor;
    editor.setText(QStringLiteral("Fett kursiv ünter€ 😀 Link\nZweite Zeile\tTab {x}\\"));
    auto format = [&](int start, int length, TRichTextAttributes attributes) {
        editor.setSelection(start, length);
        editor.setSelAttributes(attributes);
    };
    format(0, 4, {QStringLiteral("DejaVu Serif"), 14, true, false, false, false, QColor(200, 10, 20)});
    format(5, 6, {QString(), 9, false, true, false, false, {}});
    format(12, 6, {QString(), 11, false, false, true, true, {}});
    editor.setSelection(22, 4);
    editor.setSelectionLink(QStringLiteral("https://example.org/a?b=\"c\""));
    editor.setSelection(28, 1);
    editor.setParagraphAlignment(Qt::AlignHCenter);

    const QByteArray rtf = editor.saveToData();
    for (char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "RTF must be 7-bit";

    QTextDocument back;
    ASSERT_TRUE(TRtfReader::read(rtf, back));
    EXPECT_EQ(back.toPlainText(), editor.text());
    const QTextCharFormat bold = formatAt(back, 1);
    EXPECT_GE(bold.fontWeight(), QFont::Bold);
    EXPECT_EQ(bold.fontFamilies().toStringList().value(0), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(bold.fontPointSize(), 14);
    EXPECT_EQ(bold.foreground().color(), QColor(200, 10, 20));
    EXPECT_TRUE(formatAt(back, 6).fontItalic());
    EXPECT_EQ(formatAt(back, 6).fontPointSize(), 9);
    EXPECT_TRUE(formatAt(back, 13).fontUnderline());
    EXPECT_TRUE(formatAt(back, 13).fontStrikeOut());
    EXPECT_FALSE(formatAt(back, 19).fontUnderline());
    EXPECT_EQ(formatAt(back, 23).anchorHref(), QStringLiteral("https://example.org/a?b=c"));
    EXPECT_EQ(back.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(back.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST(RtfReaderTest, EscapesUnknownGroupsAndUnicodeFallbacks)
{
    const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\*\\generator Foo 1.0;}"
                           "{\\info{\\title Hidden}}\\pard\\qr Gr\\'fc\\'dfe \\u8364?\\uc2\\u-10179\\'3f\\'3f\\u-8704??"
                           " a\\{b\\}c\\\\ {\\b fett}\\par\\pard zwei\\line drei}";
    QTextDocument document;
    ASSERT_TRUE(TRtfReader::read(rtf, document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Grüße €😀 a{b}c\\ fett\nzwei\ndrei"));
    EXPECT_EQ(document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(document.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(RtfReaderTest, DamagedInputKeepsWhatCanBeReadAndNeverFails)
{
    QTextDocument document;
    EXPECT_FALSE(TRtfReader::read("plain text", document));
    const QByteArray unbalanced = "{\\rtf1 text}}}}{{{\\b more\\'zz\\'4";
    ASSERT_TRUE(TRtfReader::read(unbalanced, document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("textmore"));
    QByteArray deep = "{\\rtf1 ";
    deep += QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + "\\fs999999999999 end}";
    ASSERT_TRUE(TRtfReader::read(deep, document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("deepend"));
}

TEST(RichEditorTest, PlainTextIsReadAsTheCodeEditorReadsItAndWrittenBackUnchanged)
{
    QTemporaryDir dir;
    const QList<QByteArray> files{
        QByteArray("Gr\xfc\xdf" "e\xa0\x80\r\nzwei\r\n"),          // Windows-1252, CR LF, no-break space
        QByteArray("\xff\xfe" "a\0\r\0b\0\r\0", 10),                 // UTF-16 LE with BOM, CR
        QByteArray("\xef\xbb\xbf" "\xe2\x82\xac\nx"),                  // UTF-8 with BOM, no final break
    };
    for (const QByteArray &bytes : files) {
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        TestSupport::writeFile(path, bytes);
        TRichEditor editor;
        editor.setPlainText(true);
        ASSERT_TRUE(editor.loadFromFile(path).ok);
        ASSERT_TRUE(editor.saveToFile(path).ok);
        EXPECT_EQ(TestSupport::readFile(path), bytes) << bytes.toHex().constData();
    }
    TRichEditor editor;
    editor.setPlainText(true);
    const QString path = dir.filePath(QStringLiteral("b.txt"));
    TestSupport::writeFile(path, "caf\xe9");
    ASSERT_TRUE(editor.loadFromFile(path).ok);
    EXPECT_EQ(editor.text(), QStringLiteral("café"));
    editor.setText(QStringLiteral("Ж"));
    EXPECT_FALSE(editor.saveToFile(path).ok);
    EXPECT_EQ(TestSupport::readFile(path), QByteArray("caf\xe9"));
}

TEST(RichEditorTest, PlainStreamFormatFindAndLinkClick)
{
    QTemporaryDir dir;
    TRichEditor editor;
    editor.setPlainText(true);
    ASSERT_TRUE(editor.loadFromData("{\\rtf1 not parsed}\nWort wort Wortlaut").ok);
    EXPECT_EQ(editor.lines().value(1), QStringLiteral("Wort wort Wortlaut"));
    EXPECT_FALSE(editor.isModified());
    editor.setSelection(0, 0);
    EXPECT_EQ(editor.findText(QStringLiteral("wort"), rfMatchCase | rfWholeWord), 24);
    editor.setSelection(0, 0);
    EXPECT_EQ(editor.findText(QStringLiteral("Wort"), rfWholeWord), 19);
    EXPECT_EQ(editor.findText(QStringLiteral("Wort"), rfWholeWord), 24);
    EXPECT_EQ(editor.findText(QStringLiteral("Wort"), rfWholeWord), -1);
    EXPECT_EQ(editor.selectedText(), QStringLiteral("wort"));
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(editor.saveToFile(path).ok);
    EXPECT_EQ(TestSupport::readFile(path), QByteArray("{\\rtf1 not parsed}\nWort wort Wortlaut"));

    editor.setPlainText(false);
    editor.setText(QStringLiteral("go here"));
    editor.setSelection(0, 7);
    editor.setSelectionLink(QStringLiteral("https://example.org"));
    editor.setSelection(0, 0);
    editor.resize(300, 100);
    editor.show();
    QString clicked;
    QObject::connect(&editor, &TRichEditor::linkClicked, [&](const QString &url) { clicked = url; });
    const QRect rect = editor.textEdit()->cursorRect(QTextCursor(editor.textEdit()->document()));
    const QPointF point(rect.right() + 4, rect.center().y());
    QMouseEvent release(QEvent::MouseButtonRelease, point, editor.textEdit()->viewport()->mapToGlobal(point),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(editor.textEdit()->viewport(), &release);
    EXPECT_EQ(clicked, QStringLiteral("https://example.org"));
}

} // namespace
