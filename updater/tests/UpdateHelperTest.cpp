// The helper: its moves through a temporary file, failures reported instead
// of success, the wait for the old assistant, and the real program's run.
#include "helper/THelperInstaller.h"
#include "helper/TProcessWait.h"
#include "TUpdateTestTree.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class UpdateHelperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        updateFolder = dir.path() + "/update/";
        target = dir.path() + "/target/";
        program = dir.path() + "/bin/";
        QDir().mkpath(updateFolder);
        QDir().mkpath(target);
        QDir().mkpath(program);
    }

    void key(const QString &file, const QString &folder)
    {
        QSettings ini(updateFolder + "updatedata.ini", QSettings::IniFormat);
        ini.setValue("updatedata/" + file, folder);
    }

    THelperInstaller::TArguments arguments(qint64 pid = 0) const
    {
        return THelperInstaller::ParseArguments({"-update", program, QString::number(pid), program + "TalvexStudioUpdater"});
    }

    // Puts the real helper into the update folder; the assistant it starts records its arguments.
    QString realHelper()
    {
        const QString helperFile = updateFolder + "TalvexUpdateHelper";
        EXPECT_TRUE(QFile::copy(TUpdateTestTree::BuiltProgram("TalvexStudioUpdateHelper"), helperFile));
        return helperFile;
    }
    QString recorder() { return recorderTree.WriteRecorder("assistant.sh", recorded); }
    bool finishRecorded() { return QTest::qWaitFor([&] { return QFile::exists(recorded); }, 10000); }

    QTemporaryDir dir;
    TUpdateTestTree recorderTree;
    QString recorded = dir.path() + "/finish.txt";
    QString updateFolder;
    QString target;
    QString program;
};

} // namespace

TEST_F(UpdateHelperTest, ArgumentsOtherThanUpdateDoNothing)
{
    EXPECT_FALSE(THelperInstaller::ParseArguments({}).valid);
    EXPECT_FALSE(THelperInstaller::ParseArguments({"-finish", "/a", "1", "/b"}).valid);
    const THelperInstaller::TArguments parsed = THelperInstaller::ParseArguments({"-update", "/opt/t/bin", "42", "/x"});
    EXPECT_TRUE(parsed.valid);
    EXPECT_EQ(parsed.programFolder, "/opt/t/bin/");
    EXPECT_EQ(parsed.assistantPid, 42);

    // The real program with another first argument touches nothing.
    TestSupport::writeFile(updateFolder + "a.xml", "new");
    key("a.xml", target);
    QProcess helper;
    helper.start(TUpdateTestTree::BuiltProgram("TalvexStudioUpdateHelper"), {"-other", program, "0", "/bin/true"});
    ASSERT_TRUE(helper.waitForFinished(10000));
    EXPECT_EQ(helper.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(updateFolder + "a.xml"));
    EXPECT_FALSE(QFile::exists(target + "a.xml"));
}

TEST_F(UpdateHelperTest, MovesKeyedFilesAndLeavesTheRest)
{
    TestSupport::writeFile(target + "a.xml", "old a");
    TestSupport::writeFile(updateFolder + "a.xml", "new a");
    TestSupport::writeFile(updateFolder + "tool", "#!/bin/sh\n");
    QFile::setPermissions(updateFolder + "tool", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    TestSupport::writeFile(updateFolder + "unlisted.xml", "no key");
    TestSupport::writeFile(updateFolder + "lost.xml", "folder missing");
    key("a.xml", target);
    key("tool", target);
    key("lost.xml", dir.path() + "/nowhere");

    THelperInstaller installer(updateFolder, updateFolder + "TalvexUpdateHelper");
    EXPECT_TRUE(installer.Run(arguments()).isEmpty());
    EXPECT_EQ(TestSupport::readFile(target + "a.xml"), "new a");
    EXPECT_TRUE(QFileInfo(target + "tool").isExecutable());
    EXPECT_FALSE(QFile::exists(updateFolder + "a.xml"));
    EXPECT_TRUE(QFile::exists(updateFolder + "unlisted.xml"));
    EXPECT_TRUE(QFile::exists(updateFolder + "lost.xml"));
    EXPECT_FALSE(QFile::exists(updateFolder + "updatedata.ini"));
    // No temporary file is left beside the installed ones.
    EXPECT_EQ(QDir(target).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(UpdateHelperTest, FailedCopyIsReportedKeepsTheOldFileAndTheRunGoesOn)
{
    // A folder standing where the file goes cannot be replaced by a file, not even by root.
    QDir().mkpath(target + "blocked.xml");
    TestSupport::writeFile(target + "blocked.xml/inside", "keep");
    TestSupport::writeFile(updateFolder + "blocked.xml", "new");
    TestSupport::writeFile(updateFolder + "fine.xml", "fine");
    key("blocked.xml", target);
    key("fine.xml", target);

    THelperInstaller installer(updateFolder, updateFolder + "TalvexUpdateHelper");
    const QStringList failures = installer.Run(arguments());
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith("Die Aktualisierung von blocked.xml konnte nicht durchgeführt werden"));
    EXPECT_TRUE(failures[0].contains("Details: "));
    EXPECT_TRUE(QFileInfo(target + "blocked.xml").isDir());
    EXPECT_EQ(TestSupport::readFile(target + "fine.xml"), "fine");
    EXPECT_EQ(QDir(target).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_FALSE(QFile::exists(updateFolder + "blocked.xml"));

    // The same failure for the file itself: the old file stays whole.
    TestSupport::writeFile(target + "whole.xml", "old");
    EXPECT_FALSE(THelperInstaller::ReplaceFile(dir.path() + "/missing", target + "whole.xml").isEmpty());
    EXPECT_EQ(TestSupport::readFile(target + "whole.xml"), "old");
}

TEST_F(UpdateHelperTest, RealHelperWaitsForTheOldAssistantBeforeReplacingIt)
{
    TestSupport::writeFile(program + "TalvexStudioUpdater", "old assistant");
    TestSupport::writeFile(updateFolder + "TalvexStudioUpdater", "new assistant");
    TestSupport::writeFile(updateFolder + "data.xml", "data");
    key("data.xml", target);
    const QString helperFile = realHelper();

    QProcess oldAssistant;
    oldAssistant.start("sleep", {"1.5"});
    ASSERT_TRUE(oldAssistant.waitForStarted());
    QElapsedTimer timer;
    timer.start();
    QProcess helper;
    helper.start(helperFile, {"-update", program, QString::number(oldAssistant.processId()), recorder()});
    ASSERT_TRUE(helper.waitForStarted());
    QTest::qWait(500);
    // The data file goes in at once; the assistant waits for its process.
    EXPECT_EQ(TestSupport::readFile(target + "data.xml"), "data");
    EXPECT_EQ(TestSupport::readFile(program + "TalvexStudioUpdater"), "old assistant");
    ASSERT_TRUE(oldAssistant.waitForFinished(5000));
    ASSERT_TRUE(helper.waitForFinished(10000));
    EXPECT_GE(timer.elapsed(), 1400);
    EXPECT_EQ(TestSupport::readFile(program + "TalvexStudioUpdater"), "new assistant");
    EXPECT_EQ(helper.exitCode(), 0);
    ASSERT_TRUE(finishRecorded());
    EXPECT_EQ(TestSupport::readFile(recorded), "-finish\n");
    // Everything of the update went, the helper's own file included.
    EXPECT_TRUE(QDir(updateFolder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(UpdateHelperTest, RealHelperPassesFailuresToTheFinishingRun)
{
    QDir().mkpath(target + "blocked.xml");
    TestSupport::writeFile(updateFolder + "blocked.xml", "new");
    key("blocked.xml", target);
    QProcess helper;
    helper.start(realHelper(), {"-update", program, "0", recorder()});
    ASSERT_TRUE(helper.waitForFinished(10000));
    EXPECT_EQ(helper.exitCode(), 1);
    ASSERT_TRUE(finishRecorded());
    const QString finish = QString::fromUtf8(TestSupport::readFile(recorded));
    EXPECT_TRUE(finish.startsWith("-finish\nDie Aktualisierung von blocked.xml"));
}

TEST(ProcessWaitTest, EndedAndCollectedProcessesCountAsEnded)
{
    EXPECT_FALSE(TProcessWait::Running(0));
    EXPECT_TRUE(TProcessWait::Running(QCoreApplication::applicationPid()));
    QProcess quick;
    quick.start("true");
    ASSERT_TRUE(quick.waitForFinished());
    EXPECT_FALSE(TProcessWait::Running(quick.processId() > 0 ? quick.processId() : 0));
    EXPECT_FALSE(TProcessWait::WaitForEnd(0));
}
