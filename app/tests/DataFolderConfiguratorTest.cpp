#include "startup/TDataFolderConfigurator.h"

#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DataFolderConfiguratorTest : public ::testing::Test
{
protected:
    QString path(const QString &relative) const { return root.filePath(relative); }
    TSystemFolders system() const
    {
        return TSystemFolders{path("xdg/Talvex Studio/"), path("opt/share/Talvex Studio/"), path("docs/")};
    }
    TDataFolderConfigurator configurator() const { return TDataFolderConfigurator(path("opt"), system()); }
    bool exists(const QString &relative) const { return QFileInfo::exists(path(relative)); }
    QByteArray read(const QString &relative) const { return TestSupport::readFile(path(relative)); }

    QTemporaryDir root;
};

} // namespace

TEST_F(DataFolderConfiguratorTest, ToApplicationDataMovesUserAndCommonData)
{
    TestSupport::writeFile(path("opt/Data/filetypes.xml"), "common");
    TestSupport::writeFile(path("opt/Data/Templates/PHP/a.qtf"), "template");
    TestSupport::writeFile(path("opt/Data/User/settings.xml"), "mine");
    TestSupport::writeFile(path("opt/Data/User/Highlighters/x.dat"), "hl");

    EXPECT_TRUE(configurator().ConfigDataDirs(0));

    EXPECT_FALSE(exists("opt/Data"));
    EXPECT_EQ(read("opt/share/Talvex Studio/filetypes.xml"), "common");
    EXPECT_EQ(read("opt/share/Talvex Studio/Templates/PHP/a.qtf"), "template");
    EXPECT_EQ(read("xdg/Talvex Studio/settings.xml"), "mine");
    EXPECT_EQ(read("xdg/Talvex Studio/Highlighters/x.dat"), "hl");
    EXPECT_FALSE(exists("opt/share/Talvex Studio/User"));
}

TEST_F(DataFolderConfiguratorTest, ToApplicationDataWithoutPortableFolderOnlyCreatesTargets)
{
    EXPECT_TRUE(configurator().ConfigDataDirs(0));
    EXPECT_TRUE(QFileInfo(path("xdg/Talvex Studio")).isDir());
    EXPECT_TRUE(QFileInfo(path("opt/share/Talvex Studio")).isDir());
}

TEST_F(DataFolderConfiguratorTest, ToProgramFolderMovesBothIntoData)
{
    TestSupport::writeFile(path("xdg/Talvex Studio/settings.xml"), "mine");
    TestSupport::writeFile(path("opt/share/Talvex Studio/filetypes.xml"), "common");

    EXPECT_TRUE(configurator().ConfigDataDirs(1));

    EXPECT_EQ(read("opt/Data/User/settings.xml"), "mine");
    EXPECT_EQ(read("opt/Data/filetypes.xml"), "common");
    EXPECT_FALSE(exists("xdg/Talvex Studio"));
    EXPECT_FALSE(exists("opt/share/Talvex Studio"));
}

TEST_F(DataFolderConfiguratorTest, ToProgramFolderRefusesAnExistingDataFolder)
{
    TestSupport::writeFile(path("opt/Data/keep.txt"), "x");
    TestSupport::writeFile(path("xdg/Talvex Studio/settings.xml"), "mine");

    EXPECT_FALSE(configurator().ConfigDataDirs(1));
    EXPECT_EQ(read("xdg/Talvex Studio/settings.xml"), "mine");
    EXPECT_FALSE(exists("opt/Data/User"));
}

TEST_F(DataFolderConfiguratorTest, AFailedMoveIsReportedAndLosesNothing)
{
    TestSupport::writeFile(path("opt/Data/Templates/a.qtf"), "template");
    // A file where the target needs a folder makes the move of "Templates" fail.
    TestSupport::writeFile(path("opt/share/Talvex Studio/Templates"), "in the way");

    EXPECT_FALSE(configurator().ConfigDataDirs(0));
    EXPECT_EQ(read("opt/Data/Templates/a.qtf"), "template");
}

TEST_F(DataFolderConfiguratorTest, UnknownModeFails)
{
    EXPECT_FALSE(configurator().ConfigDataDirs(2));
    EXPECT_FALSE(configurator().ConfigDataDirs(-1));
}

TEST_F(DataFolderConfiguratorTest, MoveDataFolderMergesIntoExistingFolders)
{
    TestSupport::writeFile(path("src/Highlighters/new.dat"), "new");
    TestSupport::writeFile(path("src/.hidden"), "hidden");
    TestSupport::writeFile(path("dst/Highlighters/old.dat"), "old");

    EXPECT_TRUE(TDataFolderConfigurator::MoveDataFolder(path("src"), path("dst")));
    EXPECT_EQ(read("dst/Highlighters/new.dat"), "new");
    EXPECT_EQ(read("dst/Highlighters/old.dat"), "old");
    EXPECT_EQ(read("dst/.hidden"), "hidden");
    EXPECT_FALSE(exists("src"));
}
