#include "TestSupport.h"
#include "phpcheck/TPHPCheckRunner.h"
#include "phpcheck/TPHPMessageParser.h"
#include "phpcheck/TPrivateFolder.h"
#include "preview/TPHPBuiltinServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QUrl>
#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace {

const QString kPhp = QStringLiteral("/usr/bin/php");

// One plain HTTP/1.0 GET to 127.0.0.1; the body, or nullopt when nothing answers.
std::optional<QByteArray> get(quint16 port, const QByteArray &path)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(2000))
        return std::nullopt;
    socket.write("GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray reply;
    while (socket.waitForReadyRead(5000))
        reply += socket.readAll();
    reply += socket.readAll();
    const qsizetype body = reply.indexOf("\r\n\r\n");
    return body < 0 ? reply : reply.mid(body + 4);
}

quint16 portOf(const TPHPBuiltinServer &server)
{
    return quint16(QUrl(server.RootAddress()).port());
}

} // namespace

TEST(PHPCheckRunner, ParseErrorOfAFileGivesItsRowAndLine)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("bad.php");
    TestSupport::writeFile(file, "<?php\necho \"a\"\necho \"b\";\n");
    for (const bool run : {false, true}) {
        const TPHPCheckResult result = TPHPCheckRunner(kPhp, 10000).CheckFile(file, run);
        EXPECT_EQ(result.Status, TPHPCheckResult::TStatus::Failed);
        const auto rows = TPHPMessageParser(result.CheckedFile, file).Report(result);
        ASSERT_EQ(rows.size(), 1) << result.Lines.join('\n').toStdString();
        EXPECT_EQ(rows[0].Kind, "Parse error");
        EXPECT_EQ(rows[0].FileName, file);
        EXPECT_EQ(rows[0].Line, 3);
    }
}

TEST(PHPCheckRunner, TextRunsInTheDocumentsFolderFromAPrivateCopyThatGoes)
{
    QTemporaryDir dir;
    TestSupport::writeFile(dir.filePath("inc.php"), "<?php $x = 'from include';");
    // A user's file of the name the old check wrote to must survive.
    TestSupport::writeFile(dir.filePath("Test.tmp"), "mine");
    const QString before = QDir::currentPath();
    TPrivateFolder folder;
    const TPHPCheckResult result = TPHPCheckRunner(kPhp, 10000)
                                       .CheckText("<?php include 'inc.php'; echo $x, '|', getcwd();", dir.path(),
                                                  true, folder);
    ASSERT_TRUE(result.Passed()) << result.Lines.join('\n').toStdString();
    EXPECT_EQ(QString::fromUtf8(result.Output), "from include|" + QFileInfo(dir.path()).canonicalFilePath());
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_EQ(TestSupport::readFile(dir.filePath("Test.tmp")), "mine");
    EXPECT_FALSE(QFileInfo::exists(result.CheckedFile));
    EXPECT_EQ(QFileInfo(folder.Path()).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    EXPECT_FALSE(result.CheckedFile.startsWith(dir.path()));
}

TEST(PHPCheckRunner, EndlessScriptIsStoppedAtTheTimeLimitAndCountsAsFailure)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("loop.php");
    TestSupport::writeFile(file, "<?php while (true) { usleep(1000); }");
    QElapsedTimer timer;
    timer.start();
    const TPHPCheckResult result = TPHPCheckRunner(kPhp, 500).CheckFile(file, true);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(result.Status, TPHPCheckResult::TStatus::TimedOut);
    const auto rows = TPHPMessageParser(result.CheckedFile, file).Report(result);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].IsError);
    EXPECT_TRUE(rows[0].Text.contains("loop.php"));
}

TEST(PHPCheckRunner, MissingInterpreterIsNoSuccess)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("a.php");
    TestSupport::writeFile(file, "<?php echo 1;");
    const TPHPCheckResult result = TPHPCheckRunner(dir.filePath("no-php"), 1000).CheckFile(file, false);
    EXPECT_EQ(result.Status, TPHPCheckResult::TStatus::NotStarted);
    EXPECT_FALSE(result.ErrorText.isEmpty());
}

TEST(PHPBuiltinServer, ServesTheEditedTextOnLoopbackAndIsGoneAfterShutdown)
{
    QTemporaryDir site;
    TestSupport::writeFile(site.filePath("index.php"), "<?php echo 'on disk';");
    TestSupport::writeFile(site.filePath("part.php"), "<?php $part = 'included';");
    TestSupport::writeFile(site.filePath("plain.html"), "<p>as stored</p>");
    TPrivateFolder folder;
    qint64 pid = 0;
    quint16 port = 0;
    {
        TPHPBuiltinServer server(kPhp, folder);
        ASSERT_TRUE(server.Start(site.path())) << server.ErrorText().toStdString();
        port = portOf(server);
        pid = server.ProcessId();
        EXPECT_TRUE(server.RootAddress().startsWith("http://127.0.0.1:"));
        EXPECT_EQ(get(port, "/index.php"), QByteArray("on disk"));
        // The unsaved editor text, with its includes found in the document's folder.
        ASSERT_TRUE(server.Serve("/index.php", "<?php include 'part.php'; echo 'edited ', $part;", site.path()));
        EXPECT_EQ(get(port, "/index.php"), QByteArray("edited included"));
        ASSERT_TRUE(server.Serve("/neu 1.html", "<b>ungespeichert ä</b>", QString()));
        EXPECT_EQ(get(port, "/neu%201.html"), QString("<b>ungespeichert ä</b>").toUtf8());
        EXPECT_EQ(get(port, "/plain.html"), QByteArray("<p>as stored</p>"));
        ASSERT_TRUE(server.Unserve("/index.php"));
        EXPECT_EQ(get(port, "/index.php"), QByteArray("on disk"));
        // Nothing of the previews lands in the served folder.
        EXPECT_EQ(QDir(site.path()).entryList(QDir::Files).size(), 3);
    }
    EXPECT_FALSE(get(port, "/index.php").has_value());
    EXPECT_NE(::kill(pid_t(pid), 0), 0);
}
