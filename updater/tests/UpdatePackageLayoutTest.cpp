// An installation made by the system's package manager: the assistant leaves
// the program and the common data to it even where it could write them (as
// root), and updates only the user's data.
#include "TSystemPackage.h"
#include "TUpdateCheck.h"
#include "TUpdateDecision.h"
#include "TUpdateLayout.h"
#include "TestSupport.h"
#include "startup/TDataFolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

TEST(SystemPackageTest, OwnsExactlyTheFilesOfThePackageList)
{
    QTemporaryDir info;
    TestSupport::writeFile(info.filePath("talvex-studio.list"),
                           "/.\n/opt\n/opt/talvex-studio/bin\n/opt/talvex-studio/bin/TalvexStudio\n"
                           "/opt/talvex-studio/share/Talvex Studio/taglist.xml\n");
    TestSupport::writeFile(info.filePath("other.list"), "/usr/local/bin/TalvexStudio\n");
    EXPECT_TRUE(TSystemPackage::Owns("/opt/talvex-studio/bin/TalvexStudio", info.path()));
    EXPECT_TRUE(TSystemPackage::Owns("/opt/talvex-studio/bin/../bin/TalvexStudio", info.path()));
    EXPECT_TRUE(TSystemPackage::Owns("/opt/talvex-studio/share/Talvex Studio/taglist.xml", info.path()));
    // Neither a prefix of a listed path nor a file another package lists.
    EXPECT_FALSE(TSystemPackage::Owns("/opt/talvex-studio/bin/Talvex", info.path()));
    EXPECT_FALSE(TSystemPackage::Owns("/usr/local/bin/TalvexStudio", info.path()));
    // Without the package's list nothing is owned.
    QTemporaryDir empty;
    EXPECT_FALSE(TSystemPackage::Owns("/opt/talvex-studio/bin/TalvexStudio", empty.path()));
}

TEST(UpdatePackageLayoutTest, PackageInstallationUpdatesOnlyUserDataEvenWhereItCouldWrite)
{
    QTemporaryDir root;
    const QString base = root.path() + "/";
    QDir().mkpath(base + "bin");
    TSystemFolders system{base + "home/Talvex Studio/", base + "share/Talvex Studio/", base + "docs/"};
    TUpdateLayout layout = TUpdateLayout::ForProgramFolder(base + "bin", system);
    // A temporary folder is no package's.
    EXPECT_FALSE(layout.PackageManaged());
    layout.SetWritableCheck([](const QString &) { return true; });
    layout.SetPackageManaged(true);
    EXPECT_TRUE(layout.ProgramLeftToSystem());
    EXPECT_FALSE(layout.Updatable("$INSTDIR/bin"));
    EXPECT_FALSE(layout.Updatable("$DATADIR"));
    EXPECT_FALSE(layout.Updatable("$DATADIR/Highlighters"));
    EXPECT_TRUE(layout.Updatable("$USERDATADIR"));

    const QByteArray xml = R"(<u><remotepath>https://x.example/</remotepath>
        <fileinf filename="TalvexStudio" target="$INSTDIR/bin" fileversion="9.0.0.0" sha1="AA"/>
        <fileinf filename="taglist.xml" target="$DATADIR" sha1="BB"/>
        <fileinf filename="snippets.xml" target="$USERDATADIR" sha1="CC"/></u>)";
    const TUpdateDecision decision(QStringList{}, [](const QString &) { return QString(); });
    const TUpdateCheckResult result =
        TUpdateCheck::Evaluate(xml, QUrl("https://x.example/update/talvexstudio.xml"), layout, decision, false);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    ASSERT_EQ(result.offered.size(), 1u);
    EXPECT_EQ(result.offered[0].FileName, "snippets.xml");
    EXPECT_TRUE(result.programLeftToSystem);

    // The portable layout belongs to its user, whatever a package list says.
    QDir().mkpath(base + "Data");
    TUpdateLayout portable = TUpdateLayout::ForProgramFolder(base + "bin", system);
    portable.SetPackageManaged(true);
    EXPECT_FALSE(portable.ProgramLeftToSystem());
    EXPECT_TRUE(portable.Updatable("$DATADIR"));
}
