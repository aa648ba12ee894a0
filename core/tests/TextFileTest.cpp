#include "documents/TTextFile.h"
#include "documents/TVYRADataFile.h"
#include "TestSupport.h"
#include "TextFileSamples.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TextFile, EncodingsAreDetectedAndWrittenBackByteForByte)
{
    for (const TTextFileSample &sample : TextFileSamples()) {
        const TTextFile file = TTextFile::Decode(sample.bytes);
        QByteArray back;
        ASSERT_TRUE(file.Encode(back)) << sample.what;
        EXPECT_EQ(back, sample.bytes) << sample.what;
    }
    const auto decode = [](const char *what) {
        for (const TTextFileSample &sample : TextFileSamples()) {
            if (qstrcmp(sample.what, what) == 0)
                return TTextFile::Decode(sample.bytes);
        }
        ADD_FAILURE() << "no sample " << what;
        return TTextFile();
    };
    EXPECT_EQ(decode("UTF-8, CR LF").lineBreak, TLineBreak::lbCRLF);
    EXPECT_TRUE(decode("UTF-8, CR LF").finalNewline);
    EXPECT_FALSE(decode("UTF-8 with BOM, no final line break").finalNewline);
    EXPECT_EQ(decode("Windows-1252, CR").format.encoding, TTextEncoding::teWindows1252);
    EXPECT_EQ(decode("Windows-1252, CR").text, QStringLiteral("Größe €\rMac\r"));
    EXPECT_EQ(decode("Windows-1252, CR").lineBreak, TLineBreak::lbCR);
    EXPECT_EQ(decode("UTF-16 LE with BOM, a surrogate pair, CR LF").text, QStringLiteral("a😀\r\nb"));
    EXPECT_EQ(decode("two BOMs: the second is text").text, QStringLiteral("\uFEFFx"));
    EXPECT_EQ(decode("mixed line breaks").lineBreak, TLineBreak::lbCRLF) << "the first line break counts";

    // A BOM whose encoding the bytes behind it break: every byte, the BOM's
    // included, is a Windows-1252 character.
    const TTextFile broken = decode("UTF-8 BOM, then Windows-1252 umlauts");
    EXPECT_EQ(broken.format.encoding, TTextEncoding::teWindows1252);
    EXPECT_FALSE(broken.format.bom);
    EXPECT_EQ(broken.text, QStringLiteral("ï»¿Grüße\r\n"));
    for (const char *what : {"UTF-16 LE BOM, odd length", "UTF-16 LE BOM, lone high surrogate",
                             "UTF-16 BE BOM, lone low surrogate at the end", "UTF-8 cut inside its last character"})
        EXPECT_EQ(decode(what).format.encoding, TTextEncoding::teWindows1252) << what;
    EXPECT_EQ(decode("only a UTF-8 BOM").format.encoding, TTextEncoding::teUtf8);
    EXPECT_TRUE(decode("only a UTF-8 BOM").text.isEmpty());
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
