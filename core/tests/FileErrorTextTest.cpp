// What the user reads when a file cannot be opened or saved: German, with
// the file's name and what failed, never a bare system text.
#include "TestSupport.h"

#include "documents/TSafeFileWriter.h"
#include "documents/TTextFile.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Readable in a failure.
#define EXPECT_TEXT(actual, expected) EXPECT_EQ((actual).toStdString(), (expected).toStdString())

class FileErrorTextTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Every way a file is opened, each with its message.
    QStringList openMessages(const QString &fileName)
    {
        QStringList messages;
        TCodeEditor code;
        messages << code.loadFromFile(fileName).errorText;
        TCodeEditor sliced;
        messages << sliced.openFile(fileName).errorText;
        TRichEditor rich;
        messages << rich.loadFromFile(fileName).errorText;
        TTextFile file;
        messages << TTextFile::Load(fileName, file).errorText;
        return messages;
    }
    // Every way a file is saved, each with its message.
    QStringList saveMessages(const QString &fileName)
    {
        QStringList messages;
        TCodeEditor code;
        code.setText(QStringLiteral("Text"));
        messages << code.saveToFile(fileName).errorText;
        TRichEditor rich;
        rich.setText(QStringLiteral("Text"));
        messages << rich.saveToFile(fileName).errorText;
        TTextFile file;
        file.text = QStringLiteral("Text");
        messages << file.Save(fileName).errorText;
        messages << TSafeFileWriter::Write(fileName, QByteArray("Text")).errorText;
        return messages;
    }

    QTemporaryDir m_dir;
};

TEST_F(FileErrorTextTest, AMissingFileIsNamedAndSaidToBeMissing)
{
    const QString missing = path(QStringLiteral("fehlt.php"));
    for (const QString &message : openMessages(missing))
        EXPECT_TEXT(message, QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden: Sie ist nicht vorhanden.").arg(missing));
}

TEST_F(FileErrorTextTest, AFolderIsNoFileToOpen)
{
    const QString folder = path(QStringLiteral("ordner.txt"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString &message : openMessages(folder))
        EXPECT_TEXT(message, QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden: Das ist ein Ordner, keine Datei.").arg(folder));
    for (const QString &message : saveMessages(folder))
        EXPECT_TEXT(message, QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden: Unter diesem Namen gibt es einen Ordner.").arg(folder));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(FileErrorTextTest, ASaveBelowARegularFileNamesTheFileAndWhatStandsInTheWay)
{
    // Works for root as well: no folder can be made inside a file.
    const QString blocker = path(QStringLiteral("datei"));
    TestSupport::writeFile(blocker, "kein Ordner");
    for (const QString &target : {blocker + QStringLiteral("/neu.txt"), blocker + QStringLiteral("/tief/neu.txt")}) {
        for (const QString &message : saveMessages(target))
            EXPECT_TEXT(message, QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden: „%2“ ist kein Ordner.")
                                   .arg(target, blocker));
    }
    EXPECT_EQ(TestSupport::readFile(blocker), QByteArray("kein Ordner"));

    TCodeEditor code;
    const QString lost = path(QStringLiteral("fehlt/neu.txt"));
    EXPECT_TEXT(code.saveToFile(lost).errorText,
              QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden: Der Ordner „%2“ ist nicht vorhanden.")
                  .arg(lost, path(QStringLiteral("fehlt"))));
}

TEST_F(FileErrorTextTest, AReasonFromTheWriterFollowsTheFileName)
{
    const QString target = path(QStringLiteral("dok.qcd"));
    const TDocumentResult result = TSafeFileWriter::Write(target, [](QIODevice &) {
        return TDocumentResult::failure(QStringLiteral("Das Feld „Text“ kann nicht gespeichert werden."));
    });
    EXPECT_TEXT(result.errorText, QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden.\n"
                                               "Das Feld „Text“ kann nicht gespeichert werden.")
                                    .arg(target));
    EXPECT_FALSE(QFileInfo::exists(target));

    // A character the file's encoding cannot hold.
    const QString old = path(QStringLiteral("alt.txt"));
    TestSupport::writeFile(old, "caf\xe9");
    TCodeEditor code;
    ASSERT_TRUE(code.loadFromFile(old).ok);
    code.setCaretOffset(0);
    code.replaceSelection(QStringLiteral("Ж"));
    const QString message = code.saveToFile(old).errorText;
    EXPECT_TRUE(message.startsWith(QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden.\n").arg(old))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("„Ж“ (U+0416)"))) << message.toStdString();
    TTextFile file;
    ASSERT_TRUE(TTextFile::Load(old, file));
    file.text.prepend(QStringLiteral("Ж"));
    EXPECT_TEXT(file.Save(old).errorText, message);
}

} // namespace
