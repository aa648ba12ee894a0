// The editor's check for updates: the assistant as a hidden child process at
// the lowest priority with a time limit, and the question that follows.
#include "ShippedDataFolders.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "settings/TTalvexStudioSettings.h"
#include "startup/TProgramCore.h"
#include "ui/TScriptedPrompter.h"
#include "update/TUpdateCheckProcess.h"
#include "update/TUpdateFeature.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

// A stand-in assistant: records its arguments and its priority, then ends with exitCode.
QString writeAssistant(const QTemporaryDir &dir, const QByteArray &body)
{
    const QString path = dir.filePath("TalvexStudioUpdater");
    TestSupport::writeFile(path, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

bool waitReported(QSignalSpy &spy, int ms = 10000)
{
    return QTest::qWaitFor([&] { return spy.count() > 0; }, ms);
}

bool processAlive(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

} // namespace

TEST(UpdateCheckProcessTest, ExitCode255AloneMeansUpdates)
{
    QTemporaryDir dir;
    const QString log = dir.filePath("arguments.txt");
    for (const auto &[code, expected] : {std::pair{255, true}, {0, false}, {1, false}, {254, false}}) {
        const QString assistant = writeAssistant(
            dir, "echo \"$@\" > '" + QFile::encodeName(log) + "'\nexit " + QByteArray::number(code));
        TUpdateCheckProcess check(assistant);
        QSignalSpy spy(&check, &TUpdateCheckProcess::finished);
        EXPECT_TRUE(check.Start());
        ASSERT_TRUE(waitReported(spy)) << code;
        EXPECT_EQ(spy.at(0).at(0).toBool(), expected) << code;
        EXPECT_EQ(check.UpdatesAvailable(), expected);
        EXPECT_EQ(TestSupport::readFile(log), "-checkupdates\n");
    }
}

TEST(UpdateCheckProcessTest, MissingAssistantReportsNoUpdates)
{
    QTemporaryDir dir;
    TUpdateCheckProcess check(dir.filePath("TalvexStudioUpdater"));
    QSignalSpy spy(&check, &TUpdateCheckProcess::finished);
    EXPECT_FALSE(check.Start());
    ASSERT_TRUE(waitReported(spy));
    EXPECT_FALSE(spy.at(0).at(0).toBool());
}

TEST(UpdateCheckProcessTest, RunsAtTheLowestPriorityAndIsEndedByTheLimitAndTheEditor)
{
    QTemporaryDir dir;
    const QString nice = dir.filePath("nice.txt");
    // Field 19 of /proc/self/stat is the nice value; "$$" is the shell itself.
    const QString assistant = writeAssistant(
        dir, "cut -d' ' -f19 /proc/$$/stat > '" + QFile::encodeName(nice) + "'\nexec sleep 30");

    QElapsedTimer timer;
    timer.start();
    TUpdateCheckProcess limited(assistant, 500);
    QSignalSpy spy(&limited, &TUpdateCheckProcess::finished);
    limited.Start();
    ASSERT_TRUE(waitReported(spy));
    EXPECT_FALSE(spy.at(0).at(0).toBool());
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(TestSupport::readFile(nice).trimmed(), "19");

    // The editor ending first takes the child with it.
    auto running = std::make_unique<TUpdateCheckProcess>(assistant);
    running->Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return running->ProcessId() > 0; }, 5000));
    const qint64 pid = running->ProcessId();
    QTest::qWait(100);
    EXPECT_TRUE(processAlive(pid));
    running.reset();
    EXPECT_FALSE(processAlive(pid));
}

namespace {

class UpdateFeatureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        core = programCore.Create(shippedDataFolders(root));
        window = std::make_unique<TMainForm>(*core, TEditorCompletion{});
        window->show();
    }
    void TearDown() override
    {
        feature.reset();
        window.reset();
        core.reset();
    }

    void createFeature(const QByteArray &assistantBody, bool checkOnStart)
    {
        qobject_cast<TTalvexStudioSettings *>(core->Settings())->Advanced()->CheckUpdatesOnStart = checkOnStart;
        feature = std::make_unique<TUpdateFeature>(*core, *window, writeAssistant(dir, assistantBody),
                                                   [this](const QString &program, const QStringList &arguments) {
                                                       starts << (program + " " + arguments.join(' ')).trimmed();
                                                       return startSucceeds;
                                                   });
    }

    QTemporaryDir root;
    QTemporaryDir dir;
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TMainForm> window;
    std::unique_ptr<TUpdateFeature> feature;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    QStringList starts;
    bool startSucceeds = true;
};

} // namespace

TEST_F(UpdateFeatureTest, YesStartsTheDownloadAndEndsTheEditor)
{
    createFeature("exit 255", true);
    QSignalSpy done(feature.get(), &TUpdateFeature::checkDone);
    prompter.answerButton(TPromptButton::Yes);
    ASSERT_TRUE(waitReported(done));
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].text, TUpdateFeature::Question());
    EXPECT_EQ(prompter.prompts()[0].caption, "Neue Updates verfügbar");
    EXPECT_EQ(prompter.prompts()[0].icon, TPromptIcon::Question);
    EXPECT_EQ(starts, QStringList{dir.filePath("TalvexStudioUpdater") + " -downloadupdates"});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(UpdateFeatureTest, NoOrNoUpdatesKeepTheEditor)
{
    createFeature("exit 255", true);
    QSignalSpy done(feature.get(), &TUpdateFeature::checkDone);
    prompter.answerButton(TPromptButton::No);
    ASSERT_TRUE(waitReported(done));
    EXPECT_TRUE(starts.isEmpty());
    EXPECT_TRUE(window->isVisible());

    prompter.clear();
    feature.reset();
    createFeature("exit 0", true);
    QSignalSpy none(feature.get(), &TUpdateFeature::checkDone);
    ASSERT_TRUE(waitReported(none));
    EXPECT_TRUE(prompter.prompts().isEmpty());
}

TEST_F(UpdateFeatureTest, SettingOffStartsNoCheckAndTheMenuCommandStartsTheWizard)
{
    createFeature("exit 255", false);
    QTest::qWait(50);
    EXPECT_EQ(feature->Check(), nullptr);
    window->UpdateNow();
    window->Registry().Action("HelpSearchForUpdates")->trigger();
    EXPECT_EQ(starts, QStringList{dir.filePath("TalvexStudioUpdater")});

    startSucceeds = false;
    window->Registry().Action("HelpSearchForUpdates")->trigger();
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts()[0].text.contains("TalvexStudioUpdater"));
    EXPECT_EQ(prompter.prompts()[0].caption, "Fehler");
}
