#include "ShippedDataFolders.h"
#include "TestSupport.h"
#include "framework/TVYRACore.h"
#include "projects/TProjectCreator.h"
#include "projects/TProjectFileBatch.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"
#include "startup/TProgramCore.h"
#include "ui/TScriptedPrompter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int countFiles(const QString &folder)
{
    int count = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

class ProjectAssistRulesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        core = programCore.Create(shippedDataFolders(root));
        work = root.filePath(QStringLiteral("work"));
        QDir().mkpath(work);
        trash = root.filePath(QStringLiteral("trash"));
    }
    int groupCount() const { return core->ProjectGroups()->Count(); }
    QString path(const QString &relative) const { return work + QLatin1Char('/') + relative; }
    TProjectCreator creator() { return TProjectCreator(*core, trash); }

    QTemporaryDir root;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    QString work;
    QString trash;
};

} // namespace

TEST_F(ProjectAssistRulesTest, NamesMustLeaveAFileName)
{
    EXPECT_FALSE(TProjectCreator::NameError(QString()).isEmpty());
    EXPECT_FALSE(TProjectCreator::NameError(QStringLiteral("   ")).isEmpty());
    EXPECT_FALSE(TProjectCreator::NameError(QStringLiteral("..")).isEmpty());
    EXPECT_FALSE(TProjectCreator::NameError(QStringLiteral("/:*?")).isEmpty());
    EXPECT_TRUE(TProjectCreator::NameError(QStringLiteral("Shop 2.0")).isEmpty());
    // A name that reaches elsewhere stays inside the save path, for both the folder and the file.
    const TNewProjectRequest request{QStringLiteral("../../evil"), path(QStringLiteral("p"))};
    EXPECT_EQ(creator().ProjectFileOf(request), path(QStringLiteral("p/evil.qpg")));
    EXPECT_EQ(creator().FileFolderOf(request), path(QStringLiteral("p/evil - Dateien")));
}

TEST_F(ProjectAssistRulesTest, EmptyNameCreatesNothingEvenInTheProjectsFolder)
{
    const QString projects = core->ProjectDir();
    TestSupport::writeFile(projects + QStringLiteral("/Alt/Alt.qpg"), "<talvexstudioproject/>");
    // The assistant's path follows the name: an empty name leaves the projects folder itself.
    EXPECT_EQ(creator().Create({QString(), creator().DefaultSavePath(QString())}), nullptr);
    EXPECT_TRUE(QFile::exists(projects + QStringLiteral("/Alt/Alt.qpg")));
    EXPECT_EQ(groupCount(), 0);
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts().first().caption, QStringLiteral("Fehler"));
}

TEST_F(ProjectAssistRulesTest, FoldersThatMayNeverBeReplacedAreRefusedWithoutAQuestion)
{
    TProjectCreator rules = creator();
    EXPECT_FALSE(rules.ReplaceRefusal(QStringLiteral("/")).isEmpty());
    EXPECT_FALSE(rules.ReplaceRefusal(QDir::homePath()).isEmpty());
    EXPECT_FALSE(rules.ReplaceRefusal(core->ProjectDir()).isEmpty());
    // The folder above the projects folder holds every project.
    EXPECT_FALSE(rules.ReplaceRefusal(root.path()).isEmpty());
    TestSupport::writeFile(path(QStringLiteral("web/deep/inner/site.qpg")), "<x/>");
    EXPECT_FALSE(rules.ReplaceRefusal(path(QStringLiteral("web"))).isEmpty());
    TestSupport::writeFile(path(QStringLiteral("plain/index.php")), "<?php");
    EXPECT_TRUE(rules.ReplaceRefusal(path(QStringLiteral("plain"))).isEmpty());

    // Through the creation: one error, no question, everything stays.
    EXPECT_EQ(rules.Create({QStringLiteral("web"), path(QStringLiteral("web"))}), nullptr);
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts().first().caption, QStringLiteral("Fehler"));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("web/deep/inner/site.qpg"))));
}

TEST_F(ProjectAssistRulesTest, ExistingPathAnsweredNoKeepsEverything)
{
    TestSupport::writeFile(path(QStringLiteral("site/index.php")), "<?php echo 1;");
    prompter.answerButton(TPromptButton::No);
    EXPECT_EQ(creator().Create({QStringLiteral("Site"), path(QStringLiteral("site"))}), nullptr);
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts().first().text.startsWith(QStringLiteral("Das Verzeichnis \"")));
    EXPECT_EQ(TestSupport::readFile(path(QStringLiteral("site/index.php"))), "<?php echo 1;");
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("site/Site.qpg"))));
    EXPECT_EQ(groupCount(), 0);
}

TEST_F(ProjectAssistRulesTest, ExistingPathAnsweredYesGoesToTheTrashAndTheProjectIsMade)
{
    TestSupport::writeFile(path(QStringLiteral("site/index.php")), "<?php echo 1;");
    prompter.answerButton(TPromptButton::Yes);
    TVYRAProjectGroupItems *group = creator().Create({QStringLiteral("Site"), path(QStringLiteral("site"))});
    ASSERT_NE(group, nullptr);
    // The old content is in the trash, whole.
    EXPECT_EQ(TestSupport::readFile(trash + QStringLiteral("/files/site/index.php")), "<?php echo 1;");
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("site/index.php"))));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("site/Site - Dateien"))).isDir());
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("site/Site.qpg"))).isFile());
    EXPECT_EQ(groupCount(), 1);
    EXPECT_EQ(group->ProjectName(), QStringLiteral("Site"));
    EXPECT_EQ(group->SyncFileMode(), sfmSynchronize);
    EXPECT_TRUE(group->ConfirmFileSync());
    EXPECT_EQ(group->FileFolder(), path(QStringLiteral("site/Site - Dateien/")));
    EXPECT_FALSE(group->Modified());
}

TEST_F(ProjectAssistRulesTest, AFailedCreationLeavesNothingBehind)
{
    // A save path below a file cannot be made.
    TestSupport::writeFile(path(QStringLiteral("block")), "x");
    EXPECT_EQ(creator().Create({QStringLiteral("P"), path(QStringLiteral("block/sub"))}), nullptr);
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts().first().text.startsWith(QStringLiteral("Die Projektverzeichnisse")));
    EXPECT_EQ(groupCount(), 0);
    // A save path that is a file is never replaced.
    prompter.clear();
    EXPECT_EQ(creator().Create({QStringLiteral("P"), path(QStringLiteral("block"))}), nullptr);
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts().first().caption, QStringLiteral("Fehler"));
    EXPECT_EQ(TestSupport::readFile(path(QStringLiteral("block"))), "x");
    EXPECT_EQ(groupCount(), 0);
}

TEST_F(ProjectAssistRulesTest, ImportCopiesOrMovesEveryEntryWithProgress)
{
    const QString source = path(QStringLiteral("source"));
    for (int i = 0; i < 1000; ++i)
        TestSupport::writeFile(source + QStringLiteral("/f%1.php").arg(i), QByteArray::number(i));
    TestSupport::writeFile(source + QStringLiteral("/sub/deep.css"), "a{}");
    const QString moved = path(QStringLiteral("moved"));
    TestSupport::writeFile(moved + QStringLiteral("/m.txt"), "m");
    TestSupport::writeFile(moved + QStringLiteral("/skipped/s.txt"), "s");

    TVYRAProjectGroupItems *group = creator().Create({QStringLiteral("Imp"), path(QStringLiteral("imp"))});
    ASSERT_NE(group, nullptr);
    int calls = 0;
    int lastDone = -1;
    QStringList lines;
    TProjectFileBatch batch(*group, nullptr, [&](int done, int total, const QString &line) {
        EXPECT_GE(done, lastDone);
        EXPECT_EQ(total, 1002);
        lastDone = done;
        ++calls;
        if (!line.isEmpty() && !lines.contains(line))
            lines.append(line);
        return true;
    });
    batch.ImportFolders({{source, true, false}, {moved, false, true}});
    EXPECT_TRUE(batch.Errors().isEmpty()) << batch.Errors().join(u'\n').toStdString();
    EXPECT_EQ(lastDone, 1002);
    EXPECT_GE(calls, 1002);
    EXPECT_EQ(lines, QStringList({QStringLiteral("Ordner \"%1\" wird importiert...").arg(source),
                                  QStringLiteral("Ordner \"%1\" wird importiert...").arg(moved)}));

    const QString files = group->FileFolder();
    EXPECT_EQ(countFiles(files), 1002);
    EXPECT_EQ(countFiles(source), 1001); // copied: the sources stay
    EXPECT_FALSE(QFile::exists(moved + QStringLiteral("/m.txt")));
    EXPECT_TRUE(QFile::exists(moved + QStringLiteral("/skipped/s.txt"))); // not recursive
    EXPECT_EQ(group->GetFileCount(), 1002);
    EXPECT_EQ(group->GetFolderCount(), 1);
    EXPECT_EQ(group->FindFile(files + QStringLiteral("sub/deep.css"))->PhysicalFileName(),
              files + QStringLiteral("sub/deep.css"));
    // The batch answered the copy question once for all; the project keeps asking afterwards.
    EXPECT_TRUE(prompter.prompts().isEmpty());
    EXPECT_TRUE(group->ConfirmFileSync());
    EXPECT_TRUE(group->Modified());
}

TEST_F(ProjectAssistRulesTest, AStoppedImportAddsNoMoreAndAMissingFolderIsReported)
{
    const QString source = path(QStringLiteral("source"));
    for (int i = 0; i < 10; ++i)
        TestSupport::writeFile(source + QStringLiteral("/f%1.txt").arg(i), "x");
    TVYRAProjectGroupItems *group = creator().Create({QStringLiteral("S"), path(QStringLiteral("s"))});
    ASSERT_NE(group, nullptr);
    TProjectFileBatch batch(*group, nullptr, [](int done, int, const QString &) { return done < 3; });
    batch.ImportFolders({{source, true, false}, {path(QStringLiteral("missing")), true, false}});
    EXPECT_TRUE(batch.Stopped());
    EXPECT_EQ(group->GetFileCount(), 3);
    EXPECT_EQ(countFiles(group->FileFolder()), 3);
    ASSERT_EQ(batch.Errors().size(), 1);
    EXPECT_TRUE(batch.Errors().first().contains(QStringLiteral("missing")));
}

TEST_F(ProjectAssistRulesTest, AddedFilesFollowTheModeAndNeverOverwrite)
{
    TVYRAProjectGroupItems *group = creator().Create({QStringLiteral("M"), path(QStringLiteral("m"))});
    ASSERT_NE(group, nullptr);
    const QString files = group->FileFolder();
    const QString outside = path(QStringLiteral("outside/"));
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        TestSupport::writeFile(outside + QString::fromLatin1(name), name);
    TestSupport::writeFile(files + QStringLiteral("c.txt"), "already here");

    // Without synchronisation the node points at the file where it lies.
    group->SetSyncFileMode(sfmDontSynrchronize);
    TProjectFileBatch none(*group, nullptr);
    none.AddEntries({outside + QStringLiteral("a.txt")}, fotCopy);
    EXPECT_FALSE(QFile::exists(files + QStringLiteral("a.txt")));
    EXPECT_NE(group->FindFile(outside + QStringLiteral("a.txt")), nullptr);

    // Moving: the file leaves its folder (the question before it belongs to the window).
    group->SetSyncFileMode(sfmSynchronizeMoveFile);
    TProjectFileBatch move(*group, nullptr);
    move.AddEntries({outside + QStringLiteral("b.txt"), outside + QStringLiteral("c.txt")}, fotCopy);
    EXPECT_FALSE(QFile::exists(outside + QStringLiteral("b.txt")));
    EXPECT_EQ(TestSupport::readFile(files + QStringLiteral("b.txt")), "b.txt");
    // A name taken in the project folder is a failure, not an overwrite: both files stay whole.
    ASSERT_EQ(move.Errors().size(), 1);
    EXPECT_EQ(TestSupport::readFile(files + QStringLiteral("c.txt")), "already here");
    EXPECT_EQ(TestSupport::readFile(outside + QStringLiteral("c.txt")), "c.txt");
    EXPECT_EQ(group->GetFileCount(), 2);
}
