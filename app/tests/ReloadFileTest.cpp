#include "DocumentCommandsHost.h"

#include "documents/TReloadFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using Host = DocumentCommandsHost;

QStringList openFiles(const Host &host)
{
    QStringList files;
    for (int i = 0; i < host.count(); ++i)
        files << host.doc(i)->GetFileName();
    return files;
}

} // namespace

TEST(ReloadList, WritesAndReadsTheStoredForm)
{
    const QList<TReloadList::TProjectEntry> projects = {
        {TReloadList::DefaultGroupName(), {{"/a/x.php", false}, {"/a/ü ß.txt", true}}},
        {"/p/shop.qpg", {}},
    };
    const QByteArray bytes = TReloadList::Write(projects);
    EXPECT_TRUE(bytes.contains("<reloads>"));
    EXPECT_TRUE(bytes.contains("<project filename=\"|default|\">"));
    EXPECT_TRUE(bytes.contains("active=\"True\""));
    EXPECT_EQ(bytes.count("active="), 1);
    const TReloadList::TReadResult read = TReloadList::Read(bytes);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.projects, projects);
    EXPECT_TRUE(read.projects[0].isDefault());
}

TEST(ReloadList, ReadsBooleanTextAndRefusesDamagedInput)
{
    EXPECT_TRUE(TReloadList::ReadBoolean("True"));
    EXPECT_TRUE(TReloadList::ReadBoolean("true"));
    EXPECT_TRUE(TReloadList::ReadBoolean("-1"));
    EXPECT_FALSE(TReloadList::ReadBoolean("0"));
    EXPECT_FALSE(TReloadList::ReadBoolean("False"));
    EXPECT_FALSE(TReloadList::ReadBoolean("ja"));
    EXPECT_FALSE(TReloadList::ReadBoolean(""));
    const TReloadList::TReadResult damaged = TReloadList::Read("<reloads><project filename=\"/a\">");
    EXPECT_FALSE(damaged.ok);
    EXPECT_FALSE(damaged.errorText.isEmpty());
    EXPECT_FALSE(TReloadList::Read("<recent/>").ok);
    EXPECT_TRUE(TReloadList::Read("").ok);
    EXPECT_TRUE(TReloadList::Read("").projects.isEmpty());
}

TEST(ReloadFile, ReopensTheGroupsAndDocumentsOfThePreviousRun)
{
    Host host;
    const QString reload = TReloadFile::InUserDataDir(host.root.filePath("user"));
    TVYRAProjectGroupItems *shop = host.openProject("shop.qpg", "Shop");
    ASSERT_NE(shop, nullptr);
    const QString a = host.write("a.txt", "a"), b = host.write("b.txt", "b"), c = host.write("c.txt", "c");
    host.commands->OpenFiles({a, b}, host.container->GetDefaultGroup());
    host.commands->OpenFiles({c}, shop);
    host.commands->NewDocument(); // never saved: not listed
    ASSERT_EQ(host.count(), 4);
    ASSERT_TRUE(shop->Save()) << "a group with unsaved changes would be listed as the default group";
    ASSERT_TRUE(host.container->ActivateDocument(1));
    const TOperationResult written = TReloadFile(reload).Write(*host.container);
    ASSERT_TRUE(written) << written.errorText.toStdString();

    const QList<TReloadList::TProjectEntry> stored = TReloadFile::Collect(*host.container);
    host.commands->CloseAllWithoutAsking();
    ASSERT_EQ(host.count(), 0);

    QFile::remove(b); // a file that has gone is skipped
    TVYRAProjectGroupItems *selected = nullptr;
    const TReloadFile::TApplyResult applied = TReloadFile(reload).Apply(
        *host.commands, *host.container, [&](TVYRAProjectGroupItems *group) { selected = group; });
    EXPECT_TRUE(applied.read);
    EXPECT_EQ(openFiles(host), QStringList({c, a})) << "groups in list order";
    EXPECT_EQ(host.container->FindProject(host.path("shop.qpg")) >= 0, true);
    EXPECT_EQ(applied.activated, nullptr) << "the active document's file is gone";
    EXPECT_EQ(selected, nullptr);
    EXPECT_EQ(stored.size(), 2);

    // With the active file present, its group is selected and the document activated.
    host.commands->CloseAllWithoutAsking();
    host.write("b.txt", "b");
    const TReloadFile::TApplyResult again = TReloadFile(reload).Apply(
        *host.commands, *host.container, [&](TVYRAProjectGroupItems *group) { selected = group; });
    ASSERT_NE(again.activated, nullptr);
    EXPECT_EQ(again.activated->GetFileName(), b);
    EXPECT_EQ(host.container->GetActiveDocument(), again.activated);
    EXPECT_EQ(selected, host.container->ProjectOf(again.activated));
    EXPECT_EQ(host.prompter.unexpectedCount(), 0);
}

TEST(ReloadFile, AnOpenGroupIsReusedAndItsOpenFilesAreNotOpenedTwice)
{
    Host host;
    const QString reload = TReloadFile::InUserDataDir(host.root.filePath("user"));
    TVYRAProjectGroupItems *shop = host.openProject("shop.qpg", "Shop");
    const QString a = host.write("a.txt", "a");
    host.commands->OpenFiles({a}, shop);
    ASSERT_TRUE(shop->Save());
    ASSERT_TRUE(TReloadFile(reload).Write(*host.container));
    const int groups = host.groups()->Count();
    TReloadFile(reload).Apply(*host.commands, *host.container, {});
    EXPECT_EQ(host.groups()->Count(), groups) << "the open group is reused";
    EXPECT_EQ(openFiles(host), QStringList({a}));
    EXPECT_TRUE(host.prompter.prompts().isEmpty()) << "no reload question for a file already open";
}

TEST(ReloadFile, ADamagedFileIsKeptAsACopyAndOpensNothing)
{
    Host host;
    const QString reload = TReloadFile::InUserDataDir(host.root.filePath("user"));
    QDir().mkpath(QFileInfo(reload).absolutePath());
    TestSupport::writeFile(reload, "<reloads><project filename=\"|default|\"><file filename=\"/x\"");
    const TReloadFile::TApplyResult applied = TReloadFile(reload).Apply(*host.commands, *host.container, {});
    EXPECT_FALSE(applied.read);
    EXPECT_TRUE(applied.read.errorText.contains(reload));
    ASSERT_FALSE(applied.damagedCopy.isEmpty());
    EXPECT_TRUE(TestSupport::readFile(applied.damagedCopy).startsWith("<reloads><project"));
    EXPECT_EQ(host.count(), 0);
    // Writing over it afterwards works.
    host.commands->OpenFiles({host.write("a.txt", "a")});
    EXPECT_TRUE(TReloadFile(reload).Write(*host.container));
    EXPECT_TRUE(TReloadList::Read(TestSupport::readFile(reload)).ok);
    // A missing file is no failure.
    EXPECT_TRUE(TReloadFile(host.path("fehlt.xml")).Apply(*host.commands, *host.container, {}).read);
}

TEST(ReloadFile, AWriteThatFailsIsReportedAndLeavesNoFile)
{
    Host host;
    host.write("datei", "x");
    const TOperationResult written = TReloadFile(host.path("datei/reload.xml")).Write(*host.container);
    EXPECT_FALSE(written);
    EXPECT_TRUE(written.errorText.contains("reload.xml"));
}
