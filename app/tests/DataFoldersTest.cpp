#include "startup/TDataFolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DataFoldersTest : public ::testing::Test
{
protected:
    QString path(const QString &relative) const { return root.filePath(relative); }
    TSystemFolders system() const
    {
        return TSystemFolders{path("xdg/Talvex Studio/"), path("opt/share/Talvex Studio/"), path("Dokumente")};
    }
    QTemporaryDir root;
};

} // namespace

TEST_F(DataFoldersTest, ProgramBaseIsTheFolderAboveTheProgram)
{
    EXPECT_EQ(TDataFolders::programBaseFolder("/opt/talvex/bin/TalvexStudio"), QStringLiteral("/opt/talvex/"));
    EXPECT_EQ(TDataFolders::programBaseFolder("/TalvexStudio"), QStringLiteral("/"));
}

TEST_F(DataFoldersTest, InstalledLayoutUsesSharedAndPerUserFolders)
{
    const TDataFolders folders = TDataFolders::choose(path("opt"), system());
    EXPECT_FALSE(folders.portable);
    EXPECT_EQ(folders.programBase, path("opt/"));
    EXPECT_EQ(folders.commonData, path("opt/share/Talvex Studio/"));
    EXPECT_EQ(folders.userData, path("xdg/Talvex Studio/"));
    EXPECT_EQ(folders.projects, path("Dokumente/Talvex Studio-Projekte/"));
}

TEST_F(DataFoldersTest, PortableLayoutKeepsUserDataBesideTheProgram)
{
    ASSERT_TRUE(QDir().mkpath(path("opt/Data")));
    const TDataFolders folders = TDataFolders::choose(path("opt"), system());
    EXPECT_TRUE(folders.portable);
    EXPECT_EQ(folders.commonData, path("opt/Data/"));
    EXPECT_EQ(folders.userData, path("opt/Data/User/"));
}

TEST_F(DataFoldersTest, PortableLayoutPrefersAnExistingPerUserFolder)
{
    ASSERT_TRUE(QDir().mkpath(path("opt/Data")));
    ASSERT_TRUE(QDir().mkpath(path("xdg/Talvex Studio")));
    const TDataFolders folders = TDataFolders::choose(path("opt"), system());
    EXPECT_EQ(folders.commonData, path("opt/Data/"));
    EXPECT_EQ(folders.userData, path("xdg/Talvex Studio/"));
}

TEST_F(DataFoldersTest, AFileNamedDataIsNoPortableLayout)
{
    ASSERT_TRUE(QDir().mkpath(path("opt")));
    QFile file(path("opt/Data"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(TDataFolders::choose(path("opt"), system()).portable);
}
