// The assistant's rules without network: versions, the list, placeholders,
// the decision which entries are offered, sizes and the address rule.
#include "TPrivateFolder.h"
#include "TUpdateAddress.h"
#include "TUpdateCheck.h"
#include "TUpdateDecision.h"
#include "TUpdateLayout.h"
#include "TUpdateListParser.h"
#include "TUpdateVersion.h"
#include "TestSupport.h"
#include "startup/TDataFolders.h"
#include "utils/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TUpdateFile entry(const QString &name, const QString &version, const QString &targetDir)
{
    TUpdateFile file;
    file.FileName = name;
    file.FileVersion = version;
    file.TargetDir = targetDir;
    return file;
}

// Versions come from a table instead of version markers in real binaries.
TUpdateDecision decisionWith(QHash<QString, QString> versions, QStringList searchPath = {})
{
    return TUpdateDecision(std::move(searchPath), [versions](const QString &file) { return versions.value(file); });
}

} // namespace

TEST(UpdateVersionTest, ComparesFourNumbersNumerically)
{
    EXPECT_EQ(CompareVersions("1.2.3.4", "1.2.10.0").order, TVersionOrder::Newer);
    EXPECT_EQ(CompareVersions("1.2.10.0", "1.2.3.4").order, TVersionOrder::Older);
    EXPECT_EQ(CompareVersions("2.0.0.0", "2.0.0.0").order, TVersionOrder::Same);
    EXPECT_EQ(CompareVersions("1.9.9.9", "2.0.0.0").order, TVersionOrder::Newer);
    // Missing parts count as zero.
    EXPECT_EQ(CompareVersions("1.2", "1.2.0.0").order, TVersionOrder::Same);
    EXPECT_EQ(CompareVersions("1.2", "1.2.0.1").order, TVersionOrder::Newer);
}

TEST(UpdateVersionTest, EmptyVersionsAndErrors)
{
    EXPECT_EQ(CompareVersions("1.0.0.0", "").order, TVersionOrder::Older);
    EXPECT_EQ(CompareVersions("", "1.0.0.0").order, TVersionOrder::Newer);
    EXPECT_EQ(CompareVersions("", "").order, TVersionOrder::Same);
    const TVersionComparison bad = CompareVersions("1.0.0.0", "1.x.0.0");
    EXPECT_FALSE(bad.ok());
    EXPECT_TRUE(bad.error.contains("1.x.0.0"));
    EXPECT_FALSE(CompareVersions("1.0.0.0.0", "1.0.0.0").ok());
}

TEST(UpdateVersionTest, ReadsTheVersionOfOurOwnBinariesOnly)
{
    const QString updater = TestSupport::buildDir() + "/bin/TalvexStudioUpdater";
    EXPECT_EQ(InstalledVersion(updater).count('.'), 3);
    QTemporaryDir dir;
    TestSupport::writeFile(dir.filePath("plain.xml"), "<x/>");
    EXPECT_TRUE(InstalledVersion(dir.filePath("plain.xml")).isEmpty());
}

TEST(UpdateListParserTest, RemotePathAppliesToTheEntriesAfterIt)
{
    const TUpdateList list = TUpdateListParser::Parse(R"(<update>
        <fileinf filename="first.xml" />
        <remotepath>https://a.example/one/</remotepath>
        <fileinf filename="second.xml" />
        <other filename="ignored" />
        <remotepath>https://a.example/two/</remotepath>
        <fileinf filename="third.xml" />
    </update>)");
    ASSERT_TRUE(list.ok()) << list.error.toStdString();
    ASSERT_EQ(list.entries.size(), 3u);
    EXPECT_EQ(list.entries[0].RemotePath, "");
    EXPECT_EQ(list.entries[1].RemotePath, "https://a.example/one/");
    EXPECT_EQ(list.entries[2].RemotePath, "https://a.example/two/");
    EXPECT_EQ(list.entries[2].ArchiveName(), "third.xml.zip");
}

TEST(UpdateListParserTest, AttributesBooleansAndMissingValues)
{
    const TUpdateList list = TUpdateListParser::Parse(R"(<anyroot>
        <fileinf filename="a" fileversion="1.2.3.4" target="$INSTDIR\bin" sha1="abc" size="1234"
                 systemfile="True" forceupdate="1" optional="true" />
        <fileinf filename="b" systemfile="False" forceupdate="0" optional="yes" size="many" />
    </anyroot>)");
    ASSERT_TRUE(list.ok());
    const TUpdateFile &a = list.entries[0];
    EXPECT_EQ(a.FileVersion, "1.2.3.4");
    EXPECT_EQ(a.Target, "$INSTDIR\\bin");
    EXPECT_EQ(a.SHA1, "abc");
    EXPECT_EQ(a.Size, 1234);
    EXPECT_TRUE(a.SystemFile && a.ForceUpdate && a.Optional);
    const TUpdateFile &b = list.entries[1];
    EXPECT_FALSE(b.SystemFile || b.ForceUpdate || b.Optional);
    EXPECT_EQ(b.Size, 0);
    EXPECT_TRUE(b.FileVersion.isEmpty() && b.SHA1.isEmpty() && b.Target.isEmpty());
}

TEST(UpdateListParserTest, NamesThatLeaveTheirFolderMakeTheListInvalid)
{
    for (const char *name : {"../evil", "sub/file", "sub\\file", "C:evil", "..", ""}) {
        const QByteArray xml = QByteArray("<u><fileinf filename=\"") + name + "\"/><fileinf filename=\"ok\"/></u>";
        const TUpdateList list = TUpdateListParser::Parse(xml);
        EXPECT_FALSE(list.ok()) << name;
        EXPECT_TRUE(list.entries.empty()) << name;
    }
    EXPECT_FALSE(TUpdateListParser::Parse("<u><fileinf").ok());
    EXPECT_TRUE(TUpdateListParser::IsPlainFileName("TalvexStudio"));
    EXPECT_TRUE(TUpdateListParser::IsPlainFileName("php.def.xml"));
}

TEST(UpdateLayoutTest, PlaceholdersFollowTheEditorsDataFolderRule)
{
    QTemporaryDir root;
    const QString base = root.path() + "/";
    QDir().mkpath(base + "bin");
    QDir().mkpath(base + "Data");
    TSystemFolders system{base + "nowhere/Talvex Studio/", base + "share/Talvex Studio/", base + "docs/"};
    const TUpdateLayout portable = TUpdateLayout::ForProgramFolder(base + "bin", system);
    EXPECT_TRUE(portable.Portable());
    EXPECT_EQ(portable.Expand("$INSTDIR"), base);
    EXPECT_EQ(portable.Expand("$INSTDIR\\bin"), base + "bin/");
    EXPECT_EQ(portable.Expand("$DATADIR/Highlighters"), base + "Data/Highlighters/");
    // Without its own per-user folder the portable layout keeps user data in Data/User.
    EXPECT_EQ(portable.Expand("$USERDATADIR"), base + "Data/User/");
    // Each placeholder is replaced once.
    EXPECT_EQ(portable.Expand("$INSTDIR/$INSTDIR"), base + "$INSTDIR/");

    // The editor prefers an existing per-user folder even in the portable layout.
    QDir().mkpath(system.appData);
    EXPECT_EQ(TUpdateLayout::ForProgramFolder(base + "bin", system).Expand("$USERDATADIR"), system.appData);

    QDir(base + "Data").removeRecursively();
    const TUpdateLayout installed = TUpdateLayout::ForProgramFolder(base + "bin", system);
    EXPECT_FALSE(installed.Portable());
    EXPECT_EQ(installed.Expand("$DATADIR"), system.commonAppData);
    EXPECT_EQ(installed.Expand("$USERDATADIR"), system.appData);
}

TEST(UpdateLayoutTest, InstalledProgramUnderAProtectedPrefixIsLeftToTheSystem)
{
    QTemporaryDir root;
    const QString base = root.path() + "/";
    QDir().mkpath(base + "bin");
    TSystemFolders system{base + "home/Talvex Studio/", base + "share/Talvex Studio/", base + "docs/"};
    TUpdateLayout layout = TUpdateLayout::ForProgramFolder(base + "bin", system);
    // The prefix is protected, the user's own folder is not.
    layout.SetWritableCheck([&](const QString &folder) { return folder.startsWith(base + "home/"); });
    EXPECT_TRUE(layout.ProgramLeftToSystem());
    EXPECT_FALSE(layout.Updatable("$INSTDIR\\bin"));
    EXPECT_FALSE(layout.Updatable("$DATADIR"));
    EXPECT_TRUE(layout.Updatable("$USERDATADIR"));

    const QByteArray xml = R"(<u><remotepath>https://x.example/</remotepath>
        <fileinf filename="TalvexStudio" target="$INSTDIR/bin" fileversion="9.0.0.0" sha1="AA"/>
        <fileinf filename="snippets.xml" target="$USERDATADIR" sha1="BB"/></u>)";
    const TUpdateCheckResult result = TUpdateCheck::Evaluate(xml, QUrl("https://x.example/update/talvexstudio.xml"),
                                                             layout, decisionWith({}), false);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    ASSERT_EQ(result.offered.size(), 1u);
    EXPECT_EQ(result.offered[0].FileName, "snippets.xml");
    EXPECT_TRUE(result.programLeftToSystem);

    // The same installation with a prefix the user owns updates everything.
    layout.SetWritableCheck([](const QString &) { return true; });
    EXPECT_FALSE(layout.ProgramLeftToSystem());
    EXPECT_EQ(TUpdateCheck::Evaluate(xml, QUrl("https://x.example/update/talvexstudio.xml"), layout, decisionWith({}),
                                     false).offered.size(), 2u);
}

TEST(UpdateDecisionTest, VersionsDecide)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    TestSupport::writeFile(folder + "prog", "old program");
    const TUpdateDecision decision = decisionWith({{folder + "prog", "1.2.3.4"}});

    TUpdateFile newer = entry("prog", "1.2.10.0", folder);
    EXPECT_TRUE(decision.Decide(newer, false).offered);
    EXPECT_TRUE(newer.Installed);
    EXPECT_EQ(newer.LocalVersion, "1.2.3.4");

    TUpdateFile older = entry("prog", "1.2.3.0", folder);
    EXPECT_FALSE(decision.Decide(older, false).offered);
    older.ForceUpdate = true;
    EXPECT_TRUE(decision.Decide(older, false).offered);

    TUpdateFile broken = entry("prog", "one.two", folder);
    const TUpdateDecision::TResult failed = decision.Decide(broken, false);
    EXPECT_FALSE(failed.offered);
    EXPECT_TRUE(failed.error.contains("prog"));
}

TEST(UpdateDecisionTest, SameVersionIsOfferedOnlyForADifferentListedChecksum)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    TestSupport::writeFile(folder + "data.xml", "<data/>");
    const QString sha = TUpdateDecision::FileSHA1(folder + "data.xml");
    ASSERT_EQ(sha.size(), 40);
    const TUpdateDecision decision = decisionWith({});

    TUpdateFile same = entry("data.xml", "", folder);
    same.SHA1 = sha.toLower(); // letter case does not matter
    EXPECT_FALSE(decision.Decide(same, false).offered);
    same.SHA1 = QString(40, 'A');
    EXPECT_TRUE(decision.Decide(same, false).offered);
    // An entry without a listed checksum would otherwise be offered for ever.
    same.SHA1.clear();
    EXPECT_FALSE(decision.Decide(same, false).offered);
    same.ForceUpdate = true;
    EXPECT_TRUE(decision.Decide(same, false).offered);
}

TEST(UpdateDecisionTest, MissingFilesOptionalComponentsAndSystemFiles)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/install/";
    const QString path = dir.path() + "/path/";
    TestSupport::writeFile(path + "libsys.so", "system library");
    const TUpdateDecision decision = decisionWith({{path + "libsys.so", "3.0.0.0"}}, {dir.path() + "/empty", path});

    TUpdateFile missing = entry("new.xml", "1.0.0.0", folder);
    EXPECT_TRUE(decision.Decide(missing, false).offered);
    EXPECT_FALSE(missing.Installed);

    TUpdateFile optional = entry("extra.xml", "1.0.0.0", folder);
    optional.Optional = true;
    EXPECT_FALSE(decision.Decide(optional, false).offered);
    EXPECT_TRUE(decision.Decide(optional, true).offered);
    EXPECT_TRUE(optional.Optional);
    // A forced component is never optional.
    optional.ForceUpdate = true;
    EXPECT_TRUE(decision.Decide(optional, false).offered);
    EXPECT_FALSE(optional.Optional);

    TUpdateFile system = entry("libsys.so", "2.0.0.0", folder);
    system.SystemFile = true;
    EXPECT_FALSE(decision.Decide(system, false).offered);
    EXPECT_EQ(system.LocalFile, path + "libsys.so");
    system.FileVersion = "3.0.0.1";
    EXPECT_TRUE(decision.Decide(system, false).offered);
}

TEST(UpdateAddressTest, OnlyHttpsOrTheLoopbackAddress)
{
    EXPECT_TRUE(TUpdateAddress::IsAllowed(QUrl("https://www.halvorn.de/update/talvexstudio.xml")));
    EXPECT_TRUE(TUpdateAddress::IsAllowed(QUrl("http://127.0.0.1:8080/update/talvexstudio.xml")));
    EXPECT_FALSE(TUpdateAddress::IsAllowed(QUrl("http://www.halvorn.de/update/talvexstudio.xml")));
    EXPECT_FALSE(TUpdateAddress::IsAllowed(QUrl("http://127.0.0.1.evil.example/x")));
    EXPECT_FALSE(TUpdateAddress::IsAllowed(QUrl("ftp://127.0.0.1/x")));
    EXPECT_FALSE(TUpdateAddress::IsAllowed(QUrl("file:///etc/passwd")));
    EXPECT_EQ(TUpdateAddress::ListUrl("https://h.example/").toString(), "https://h.example/update/talvexstudio.xml");
    const QUrl list("https://h.example/update/talvexstudio.xml");
    EXPECT_EQ(TUpdateAddress::ArchiveUrl(list, "", "a b.zip").toEncoded(), "https://h.example/update/a%20b.zip");
    EXPECT_EQ(TUpdateAddress::ArchiveUrl(list, "https://cdn.example/files/", "x.zip").toString(),
              "https://cdn.example/files/x.zip");

    // A list whose archives would come over plain HTTP is refused as a whole.
    const TUpdateCheckResult result = TUpdateCheck::Evaluate(
        "<u><remotepath>http://mirror.example/</remotepath><fileinf filename=\"a\" sha1=\"1\"/></u>", list,
        TUpdateLayout::ForProgramFolder(QDir::tempPath()), decisionWith({}), true);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.offered.empty());
}

TEST(UpdateSizeTextTest, GermanSizes)
{
    EXPECT_EQ(FormatDiskSpace(1023), "1023 Byte");
    EXPECT_EQ(FormatDiskSpace(1536), "1,50 KB");
    EXPECT_EQ(FormatDiskSpace(1024 * 1024 * 5 / 2), "2,50 MB");
    EXPECT_EQ(FormatDiskSpace(qint64(1500) * 1024 * 1024 * 1024), "1.500,00 GB");
}

TEST(PrivateFolderTest, PreparesAPrivateEmptyFolderAndRefusesLinks)
{
    QTemporaryDir root;
    const QString folder = root.path() + "/cache/TVSUpdate/";
    ASSERT_EQ(TPrivateFolder::Prepare(folder), "");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // A folder left open to others is closed again and emptied.
    TestSupport::writeFile(folder + "stale.zip", "old");
    QDir().mkpath(folder + "sub");
    ::chmod(QFile::encodeName(folder).constData(), 0777);
    ASSERT_EQ(TPrivateFolder::Prepare(folder), "");
    EXPECT_TRUE(QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    ::stat(QFile::encodeName(folder).constData(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // A link put in its place is refused, and what it points to stays untouched.
    QDir(folder).removeRecursively();
    const QString elsewhere = root.path() + "/elsewhere";
    TestSupport::writeFile(elsewhere + "/keep.txt", "keep");
    ASSERT_TRUE(QFile::link(elsewhere, root.path() + "/cache/TVSUpdate"));
    EXPECT_NE(TPrivateFolder::Prepare(folder), "");
    EXPECT_TRUE(QFile::exists(elsewhere + "/keep.txt"));
}
