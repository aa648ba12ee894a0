#include "php/TPHPSource.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "TestSupport.h"

namespace {

bool phpAvailable()
{
    return QFileInfo(QStringLiteral("/usr/bin/php")).isExecutable();
}

} // namespace

TEST(PhpSyntaxCheck, ValidAndBrokenText)
{
    if (!phpAvailable())
        GTEST_SKIP() << "php-cli is not installed";
    TPHPSource good(QStringLiteral("<?php\nfunction f() { return 1; }\n"));
    EXPECT_TRUE(good.SyntaxCheck(false, QString()));
    EXPECT_EQ(good.SyntaxStatus(), TPHPSyntaxStatus::ssNoErrors);
    ASSERT_FALSE(good.SyntaxMessages.isEmpty());
    EXPECT_TRUE(good.SyntaxMessages.first().startsWith(QLatin1String("No syntax errors detected")));

    TPHPSource bad(QStringLiteral("<?php\nfunction f( { \n"));
    EXPECT_FALSE(bad.SyntaxCheck(false, QString()));
    EXPECT_EQ(bad.SyntaxStatus(), TPHPSyntaxStatus::ssErrors);
    EXPECT_TRUE(bad.SyntaxOutput.join(u'\n').contains(QLatin1String("on line <b>2</b>")))
        << bad.SyntaxOutput.join(u'\n').toStdString();
}

TEST(PhpSyntaxCheck, ChecksAFileWithoutTouchingItsFolder)
{
    if (!phpAvailable())
        GTEST_SKIP() << "php-cli is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a b.php"));
    TestSupport::writeFile(file, "<?php echo 'x' ?>");
    TestSupport::writeFile(dir.filePath(QStringLiteral("Test.tmp")), "user data");
    TPHPSource source;
    EXPECT_TRUE(source.SyntaxCheck(false, file));
    EXPECT_EQ(TestSupport::readFile(dir.filePath(QStringLiteral("Test.tmp"))), QByteArray("user data"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(PhpSyntaxCheck, RunningAScriptHonoursTheTimeLimit)
{
    if (!phpAvailable())
        GTEST_SKIP() << "php-cli is not installed";
    TPHPSource endless(QStringLiteral("<?php while (true) {}"));
    endless.SyntaxTimeoutMs = 500;
    EXPECT_FALSE(endless.SyntaxCheck(true, QString()));
    EXPECT_EQ(endless.SyntaxStatus(), TPHPSyntaxStatus::ssTimedOut);

    TPHPSource script(QStringLiteral("<?php echo 'hallo';"));
    EXPECT_TRUE(script.SyntaxCheck(true, QString()));
    EXPECT_EQ(script.SyntaxMessages, QStringList{QStringLiteral("hallo")});
}

TEST(PhpSyntaxCheck, MissingInterpreterIsNotSuccess)
{
    TPHPSource source(QStringLiteral("<?php ?>"));
    source.PHPExecutable = QStringLiteral("/nonexistent/php");
    EXPECT_FALSE(source.SyntaxCheck(false, QString()));
    EXPECT_EQ(source.SyntaxStatus(), TPHPSyntaxStatus::ssNotRun);
    EXPECT_TRUE(source.SyntaxOutput.isEmpty());
}
