#include "startup/TSingleInstance.h"

#include "TestSupport.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class SingleInstanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QDir().mkpath(path("run"));
        QDir().mkpath(path("work/sub"));
        QFile::setPermissions(path("run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QString path(const QString &relative) const { return root.filePath(relative); }
    static QString program() { return TestSupport::buildDir() + QStringLiteral("/bin/TalvexStudio"); }

    // The real program, with every per-user folder inside the test folder.
    std::unique_ptr<QProcess> startProgram(const QStringList &arguments)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", path("run"));
        env.insert("XDG_DATA_HOME", path("xdg"));
        env.insert("XDG_CONFIG_HOME", path("config"));
        env.insert("HOME", path("home"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(path("work"));
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(program(), arguments);
        return process;
    }

    // Runs the event loop until the process ends (this process may be the
    // listening instance).
    static bool waitForExit(QProcess &process, int timeoutMs)
    {
        if (process.state() == QProcess::NotRunning)
            return true;
        QEventLoop loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        loop.exec();
        return process.state() == QProcess::NotRunning;
    }

    QTemporaryDir root;
};

} // namespace

TEST_F(SingleInstanceTest, SecondStartsHandTheirFilesOverInOrder)
{
    TSingleInstance primary(path("run"));
    ASSERT_EQ(primary.start({}), TSingleInstance::Role::Primary);
    QList<QStringList> received;
    QObject::connect(&primary, &TSingleInstance::argumentsReceived,
                     [&received](const QStringList &arguments) { received.append(arguments); });
    primary.setReceiverReady(true);

    auto first = startProgram({"sub/a.php", "b.php", "/p"});
    ASSERT_TRUE(waitForExit(*first, 15000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
    auto second = startProgram({"-Embedding", path("work/c.php")});
    ASSERT_TRUE(waitForExit(*second, 15000));
    EXPECT_EQ(second->exitCode(), 0);

    ASSERT_EQ(received.size(), 2);
    EXPECT_EQ(received[0], (QStringList{path("work/sub/a.php"), path("work/b.php"), "/p"}));
    EXPECT_EQ(received[1], (QStringList{"-Embedding", path("work/c.php")}));
}

TEST_F(SingleInstanceTest, RequestsBeforeTheWindowExistsAreKept)
{
    TSingleInstance primary(path("run"));
    ASSERT_EQ(primary.start({}), TSingleInstance::Role::Primary);
    auto second = startProgram({"x.php"});
    ASSERT_TRUE(waitForExit(*second, 15000));
    EXPECT_EQ(second->exitCode(), 0);
    const QList<QStringList> pending = primary.takePending();
    ASSERT_EQ(pending.size(), 1);
    EXPECT_EQ(pending[0], QStringList{path("work/x.php")});
    EXPECT_TRUE(primary.takePending().isEmpty());
}

TEST_F(SingleInstanceTest, AnInstanceThatDoesNotAnswerIsNotWaitedForEndlessly)
{
    TSingleInstance holder(path("run"));
    ASSERT_EQ(holder.start({}), TSingleInstance::Role::Primary);
    // The holder's event loop never runs while the later start waits, as with a
    // hung first instance.
    TSingleInstance later(path("run"));
    EXPECT_EQ(later.start({"a.php"}, 400), TSingleInstance::Role::Standalone);
}

TEST_F(SingleInstanceTest, ALockLeftByAKilledInstanceIsTakenOver)
{
    auto crashed = startProgram({});
    ASSERT_TRUE(crashed->waitForStarted(10000));
    const QString socket = path("run/TalvexStudio.socket");
    for (int i = 0; i < 200 && !QFileInfo::exists(socket); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFileInfo::exists(socket)) << "the program never listened";
    crashed->kill();
    crashed->waitForFinished(5000);

    TSingleInstance next(path("run"));
    EXPECT_EQ(next.start({}, 3000), TSingleInstance::Role::Primary);
}
