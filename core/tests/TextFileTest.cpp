#include "documents/TTextFile.h"
#include "documents/TVYRADataFile.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TextFile, EncodingsAreDetectedAndWrittenBackByteForByte)
{
    const QList<QByteArray> samples{
        QByteArray("plain ascii\n"),
        QByteArray("Gr\xc3\xbc\xc3\x9f" "e\r\nzwei\r\n"),                  // UTF-8, CRLF
        QByteArray("\xef\xbb\xbf" "BOM \xe2\x82\xac"),                      // UTF-8 with BOM, no final newline
        QByteArray("\xff\xfe" "A\0\xac\x20\r\0", 8),                        // UTF-16 LE with BOM
        QByteArray("\xfe\xff\0A\x20\xac", 6),                               // UTF-16 BE with BOM
        QByteArray("Gr\xf6\xdf" "e \x80\rMac\r"),                           // Windows-1252, CR
        QByteArray("\xef\xbb\xbf\x9f" "e\x05\xff" "ei\n"),                   // UTF-8 BOM, not UTF-8 (found by fuzzing)
        QByteArray("\xef\xbb\xbf\xef\xbb\xbf" "x"),                          // two BOMs: the second is text
    };
    for (const QByteArray &bytes : samples) {
        const TTextFile file = TTextFile::Decode(bytes);
        QByteArray back;
        ASSERT_TRUE(file.Encode(back));
        EXPECT_EQ(back, bytes) << bytes.toHex().constData();
    }
    EXPECT_EQ(TTextFile::Decode(samples[1]).lineBreak, TLineBreak::lbCRLF);
    EXPECT_TRUE(TTextFile::Decode(samples[1]).finalNewline);
    EXPECT_FALSE(TTextFile::Decode(samples[2]).finalNewline);
    EXPECT_EQ(TTextFile::Decode(samples[5]).format.encoding, TTextEncoding::teWindows1252);
    EXPECT_EQ(TTextFile::Decode(samples[5]).text, QStringLiteral("Größe €\rMac\r"));
    EXPECT_EQ(TTextFile::Decode(samples[5]).lineBreak, TLineBreak::lbCR);
}

TEST(TextFile, UnencodableTextFailsAndKeepsTheFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("alt.txt"));
    TestSupport::writeFile(name, "Gr\xfc\xdf");
    TTextFile file;
    ASSERT_TRUE(TTextFile::Load(name, file));
    file.text += QStringLiteral(" Ж");
    const TDocumentResult saved = file.Save(name);
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.errorText.isEmpty());
    EXPECT_EQ(TestSupport::readFile(name), QByteArray("Gr\xfc\xdf"));
}

TEST(TextFile, FileTypeByExtensionAndContent)
{
    QTemporaryDir dir;
    const QString qcd = dir.filePath(QStringLiteral("a.QCD"));
    TestSupport::writeFile(qcd, "irrelevant");
    EXPECT_EQ(TVYRADataFile::GetFileType(qcd, false), QStringLiteral("Talvex Dokument"));
    EXPECT_EQ(TVYRADataFile::GetFileType(qcd, true), QString());
    EXPECT_EQ(TVYRADataFile::GetFileType(dir.filePath(QStringLiteral("missing.qcd")), false), QString());

    const QString disguised = dir.filePath(QStringLiteral("b.txt"));
    TestSupport::writeFile(disguised, QByteArray("\x0f\0\0\0Talvex Template", 19));
    EXPECT_EQ(TVYRADataFile::GetFileType(disguised, true), QStringLiteral("Talvex Template"));
    EXPECT_EQ(TVYRADataFile::GetFileType(disguised, false), QString());

    const QString project = dir.filePath(QStringLiteral("p.xml"));
    TestSupport::writeFile(project, "<?xml version=\"1.0\"?><talvexprojectgroup/>");
    EXPECT_EQ(TVYRADataFile::GetFileType(project, true), QStringLiteral("talvexprojectgroup"));
    const QString huge = dir.filePath(QStringLiteral("h.bin"));
    TestSupport::writeFile(huge, QByteArray("\xff\xff\xff\x7f", 4) + QByteArray(10, 'x'));
    EXPECT_EQ(TVYRADataFile::GetFileType(huge, true), QString());
}
