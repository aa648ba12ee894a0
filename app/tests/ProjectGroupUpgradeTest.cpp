#include "TestSupport.h"
#include "documents/TVYRAFileType.h"
#include "facade/TVYRAEditorFileTypeHandlers.h"
#include "framework/TVYRACore.h"
#include "projects/TProjectGroupUpgrade.h"
#include "projects/TProjectUpgradeHandler.h"
#include "projects/TTalvexStudioProject.h"
#include "ui/TScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray olderGroup(const QString &folder, int depth = 1)
{
    QByteArray items;
    for (int i = 0; i < depth; ++i)
        items += "<item><ItemType>pitFolder</ItemType><ItemName>d</ItemName><Comment/><PhysicalFileName/>";
    items += "<item><ItemType>pitFile</ItemType><ItemName>index.php</ItemName><Comment>Start</Comment>"
             "<PhysicalFileName>$(FILEFOLDER)index.php</PhysicalFileName></item>";
    for (int i = 0; i < depth; ++i)
        items += "</item>";
    return "<?xml version=\"1.0\"?>\n<talvexprojectgroup>\n  <name>Alt</name>\n  <version>2</version>\n"
           "  <comment/>\n  <autosyncfiles>2</autosyncfiles>\n  <confirmfilesync>True</confirmfilesync>\n"
           "  <directory>" + folder.toUtf8() + "</directory>\n  <filedirectory>" + folder.toUtf8()
        + "</filedirectory>\n  <item><ItemType>pitFolder</ItemType><ItemName>Root</ItemName><Comment/>"
          "<PhysicalFileName/>" + items + "</item>\n</talvexprojectgroup>\n";
}

class ProjectGroupUpgradeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = TVYRACore::GetFileTypeRecognizer(ftProject);
        TVYRACore::SetFileTypeRecognizer(ftProject, _TVS_PROJECT);
        file = dir.filePath(QStringLiteral("alt.qpg"));
    }
    void TearDown() override { TVYRACore::SetFileTypeRecognizer(ftProject, previous); }

    QString previous;
    QTemporaryDir dir;
    QString file;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
};

} // namespace

TEST_F(ProjectGroupUpgradeTest, ConvertsInPlaceAndKeepsTheOriginalAsBackup)
{
    const QByteArray older = olderGroup(dir.path() + QLatin1Char('/'));
    TestSupport::writeFile(file, older);
    ASSERT_TRUE(TProjectGroupUpgrade::IsOlderFormat(file));
    const TOperationResult result = TProjectGroupUpgrade::Convert(file);
    ASSERT_TRUE(result.ok) << result.errorText.toStdString();
    EXPECT_EQ(TestSupport::readFile(TProjectGroupUpgrade::BackupName(file)), older);
    EXPECT_FALSE(TProjectGroupUpgrade::IsOlderFormat(file));
    const QByteArray converted = TestSupport::readFile(file);
    EXPECT_TRUE(converted.contains("<talvexstudioproject version=\"1.0\" mincompatible=\"1.0\">"));

    TTalvexStudioProject project(nullptr, file, true);
    project.Load();
    EXPECT_EQ(project.ProjectName(), QStringLiteral("Alt"));
    EXPECT_EQ(project.Version(), QStringLiteral("2"));
    EXPECT_EQ(project.SyncFileMode(), sfmDontSynrchronize);
    ASSERT_EQ(project.GetFileCount(), 1);
    const TVYRAProjectGroupItem *index = project.FindFile(dir.path() + QStringLiteral("/index.php"));
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->Comment(), QStringLiteral("Start"));
}

TEST_F(ProjectGroupUpgradeTest, AFailedConversionLeavesTheFileAsItWas)
{
    // Nested deeper than a project may be: the studio reading refuses it.
    const QByteArray older = olderGroup(dir.path() + QLatin1Char('/'), TVYRAProjectGroupItems::MaxItemDepth + 5);
    TestSupport::writeFile(file, older);
    const TOperationResult result = TProjectGroupUpgrade::Convert(file);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.errorText.isEmpty());
    EXPECT_EQ(TestSupport::readFile(file), older);
    EXPECT_FALSE(QFile::exists(TProjectGroupUpgrade::BackupName(file)));
}

TEST_F(ProjectGroupUpgradeTest, HandlerAsksOnlyForTheOlderRootAndObeysTheAnswer)
{
    TVYRAEditorFileTypeHandlers handlers;
    QStringList asked;
    bool answer = false;
    TProjectUpgradeHandler handler(handlers, [&](const QString &name) {
        asked.append(name);
        return answer;
    });
    ASSERT_EQ(handlers.Count(), 1);

    // Other roots and damaged XML pass untouched to the normal opening.
    const QString current = dir.filePath(QStringLiteral("current.qpg"));
    const QByteArray currentBytes = "<talvexstudioproject><name>N</name></talvexstudioproject>";
    TestSupport::writeFile(current, currentBytes);
    const QString damaged = dir.filePath(QStringLiteral("damaged.qpg"));
    TestSupport::writeFile(damaged, "<talvexprojectgroup><name>");
    EXPECT_FALSE(handlers.Handle(nullptr, current));
    EXPECT_FALSE(handlers.Handle(nullptr, damaged));
    EXPECT_EQ(TestSupport::readFile(current), currentBytes);
    EXPECT_TRUE(asked.isEmpty());

    // Declined: not opened, not changed.
    const QByteArray older = olderGroup(dir.path() + QLatin1Char('/'));
    TestSupport::writeFile(file, older);
    EXPECT_TRUE(handlers.Handle(nullptr, file));
    EXPECT_EQ(asked, QStringList{file});
    EXPECT_EQ(TestSupport::readFile(file), older);
    EXPECT_FALSE(QFile::exists(TProjectGroupUpgrade::BackupName(file)));

    // A failure is reported with its details and the file is not opened.
    const QString deep = dir.filePath(QStringLiteral("deep.qpg"));
    const QByteArray deepBytes = olderGroup(dir.path() + QLatin1Char('/'), TVYRAProjectGroupItems::MaxItemDepth + 5);
    TestSupport::writeFile(deep, deepBytes);
    answer = true;
    EXPECT_TRUE(handlers.Handle(nullptr, deep));
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts().first().text.startsWith(
        QStringLiteral("Konvertieren des Projektes fehlgeschlagen. Projekt kann nicht geladen werden.\r\n\r\nDetails: \"")));
    EXPECT_EQ(TestSupport::readFile(deep), deepBytes);

    // Accepted: converted, and the opening goes on.
    EXPECT_FALSE(handlers.Handle(nullptr, file));
    EXPECT_FALSE(TProjectGroupUpgrade::IsOlderFormat(file));
}
