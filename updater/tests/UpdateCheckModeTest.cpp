// The assistant's silent check as the editor runs it: a real child process
// against a loopback server, answered by its exit code alone.
#include "TLoopbackHttpServer.h"
#include "TUpdateTestTree.h"
#include "TUpdaterInstance.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kListPath = QStringLiteral("/update/talvexstudio.xml");

struct TCheckRun {
    int exitCode = -1;
    bool ended = false;
    QByteArray output;
};

TCheckRun runCheck(const TUpdateTestTree &tree, const QString &base)
{
    QProcess process;
    process.setProcessEnvironment(tree.Environment(base));
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tree.Assistant(), {QStringLiteral("-checkupdates")});
    TCheckRun run;
    run.ended = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.output = process.readAll();
    return run;
}

QByteArray listWith(const QByteArray &entries)
{
    return "<update><remotepath>archives/</remotepath>" + entries + "</update>";
}

class UpdateCheckModeTest : public ::testing::Test
{
protected:
    TUpdateTestTree tree;
    TLoopbackHttpServer server;
};

} // namespace

TEST_F(UpdateCheckModeTest, ExitCode255OnlyWhenImportantUpdatesAreOffered)
{
    server.Serve(kListPath, listWith(R"(<fileinf filename="new.xml" target="$DATADIR" sha1="AB" size="10"/>)"));
    TCheckRun run = runCheck(tree, server.Base());
    ASSERT_TRUE(run.ended) << run.output.constData();
    EXPECT_EQ(run.exitCode, 255) << run.output.constData();
    EXPECT_EQ(server.RequestCount(kListPath), 1);

    // A missing optional component is no reason to bother the user.
    server.Serve(kListPath, listWith(R"(<fileinf filename="extra.xml" target="$DATADIR" optional="True" sha1="AB"/>)"));
    run = runCheck(tree, server.Base());
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0);

    // An installed file with the listed checksum is up to date.
    QFile installed(tree.Data() + "same.xml");
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    installed.write("same");
    installed.close();
    // A different listed checksum with equal (empty) versions is an update.
    server.Serve(kListPath, listWith(R"(<fileinf filename="same.xml" target="$DATADIR" sha1="0123456789"/>)"));
    EXPECT_EQ(runCheck(tree, server.Base()).exitCode, 255);
    const QByteArray sha = QCryptographicHash::hash("same", QCryptographicHash::Sha1).toHex();
    server.Serve(kListPath, listWith(R"(<fileinf filename="same.xml" target="$DATADIR" sha1=")" + sha + "\"/>"));
    EXPECT_EQ(runCheck(tree, server.Base()).exitCode, 0);
}

TEST_F(UpdateCheckModeTest, FailuresAnswerNoUpdatesWithoutAnyWindow)
{
    // Server down: the port of a server that has gone.
    QString goneBase;
    {
        TLoopbackHttpServer gone;
        goneBase = gone.Base();
    }
    TCheckRun run = runCheck(tree, goneBase);
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0);

    // A damaged list, an unknown path and a list with a path in a file name.
    server.Serve(kListPath, "<update><fileinf");
    EXPECT_EQ(runCheck(tree, server.Base()).exitCode, 0);
    server.Serve(kListPath, listWith(R"(<fileinf filename="../../escape" target="$DATADIR" sha1="AB"/>)"));
    EXPECT_EQ(runCheck(tree, server.Base()).exitCode, 0);

    // Plain HTTP is refused for any host but the loopback address, before any request.
    EXPECT_EQ(runCheck(tree, QStringLiteral("http://localhost:%1").arg(server.Port())).exitCode, 0);
}

TEST_F(UpdateCheckModeTest, NoEditorOrAnotherAssistantEndsAtOnceWithZero)
{
    server.Serve(kListPath, listWith(R"(<fileinf filename="new.xml" target="$DATADIR" sha1="AB"/>)"));

    TUpdaterInstance other(tree.RuntimeFolder());
    ASSERT_TRUE(other.Acquire());
    QElapsedTimer timer;
    timer.start();
    TCheckRun run = runCheck(tree, server.Base());
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(server.RequestCount(kListPath), 0);
}

TEST_F(UpdateCheckModeTest, NoEditorBesideTheAssistant)
{
    server.Serve(kListPath, listWith(R"(<fileinf filename="new.xml" target="$DATADIR" sha1="AB"/>)"));
    ASSERT_TRUE(QFile::remove(tree.Bin() + "TalvexStudio"));
    TCheckRun run = runCheck(tree, server.Base());
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(server.RequestCount(kListPath), 0);
}
