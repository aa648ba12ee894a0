#include "startup/TStartupArguments.h"

#include <gtest/gtest.h>

namespace {
TStartupArguments args(const QStringList &list)
{
    return TStartupArguments(list, QStringLiteral("/work/site"));
}
} // namespace

TEST(StartupArguments, SwitchesAreNeverFilesAndNamesBecomeAbsolute)
{
    const auto a = args({"index.php", "/faststartup", "../lib/x.php", "/p", "/abs/y.css", "/P"});
    // "/P" is not a switch: the comparison is exact and case-sensitive.
    EXPECT_EQ(a.filesToOpen(), (QStringList{"/work/site/index.php", "/work/lib/x.php", "/abs/y.css", "/P"}));
    EXPECT_FALSE(a.printAtStart());
}

TEST(StartupArguments, PrintOnlyWhenLast)
{
    EXPECT_TRUE(args({"a.php", "/p"}).printAtStart());
    EXPECT_FALSE(args({"/p", "a.php"}).printAtStart());
    EXPECT_FALSE(args({}).printAtStart());
}

TEST(StartupArguments, EmbeddingFirstOpensNothing)
{
    EXPECT_TRUE(args({"-Embedding", "a.php", "b.php"}).filesToOpen().isEmpty());
    EXPECT_EQ(args({"a.php", "-Embedding"}).filesToOpen(), QStringList{"/work/site/a.php"});
}

TEST(StartupArguments, DataFolderSwitchCountsOnlyFirst)
{
    EXPECT_EQ(args({"/createdatafolderusr"}).dataFolderMode(), 0);
    EXPECT_EQ(args({"/createdatafolderprg", "a.php"}).dataFolderMode(), 1);
    EXPECT_EQ(args({"a.php", "/createdatafolderprg"}).dataFolderMode(), -1);
    EXPECT_TRUE(args({"/createdatafolderprg", "a.php"}).filesToOpen() == QStringList{"/work/site/a.php"});
}

TEST(StartupArguments, HandOverKeepsSwitchesAndResolvesNames)
{
    EXPECT_EQ(args({"-Embedding", "sub/a.php", "/p"}).handOverArguments(),
              (QStringList{"-Embedding", "/work/site/sub/a.php", "/p"}));
}

TEST(StartupArguments, ReceiverDropsEverySwitchAndPrintsAnywhere)
{
    const auto request = THandOverRequest::fromArguments(
        {"/p", "/x/a.php", "-Embedding", "/faststartup", "/faststartup", "/x/b.php", "/createdatafolderusr"});
    EXPECT_EQ(request.files, (QStringList{"/x/a.php", "/x/b.php"}));
    EXPECT_TRUE(request.print);
    EXPECT_FALSE(THandOverRequest::fromArguments({"/x/a.php"}).print);
}
