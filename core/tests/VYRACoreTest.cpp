#include "framework/TVYRACore.h"
#include "projects/TVYRAProjectGroupList.h"
#include "utils/VYRAExceptions.h"
#include "highlighters/TIHighlighter.h"
#include "ui/TScriptedPrompter.h"

#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class VYRACoreTest : public ::testing::Test
{
protected:
    TVYRACoreConfig config(bool initNow = false) const
    {
        return TVYRACoreConfig{nullptr, root.filePath("app"), root.filePath("common"), root.filePath("user"),
                               TVYRAEditorTypes::etBoth, initNow, {}};
    }
    QString path(const QString &relative) const { return root.filePath(relative); }

    QTemporaryDir root;
};

} // namespace

TEST_F(VYRACoreTest, DerivesAndCreatesTheDataFolders)
{
    TVYRACore core(config());
    EXPECT_EQ(core.GetAppDir(), path("app/"));
    EXPECT_EQ(core.GetAppDataDir(), path("common/"));
    EXPECT_EQ(core.UserDataDir(), path("user/"));
    EXPECT_EQ(core.GetTemplateDir(), path("common/Templates/"));
    EXPECT_EQ(core.HighlighterDir(), path("common/Highlighters/"));
    EXPECT_EQ(core.UserHighlighterDir(), path("user/Highlighters/"));
    EXPECT_EQ(core.PackageDir(), path("app/Packages/"));
    EXPECT_EQ(core.PluginDir(), path("app/Packages/Plugins/"));
    EXPECT_EQ(core.CipherDir(), path("app/Packages/Ciphers/"));
    EXPECT_EQ(core.ProjectDir(), path("app/Projects/"));
    EXPECT_EQ(core.GetSettingsXMLFile(), path("user/settings.xml"));
    for (const QString &folder : core.Directories().foldersToCreate())
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_EQ(core.InterfaceVersionText(), QStringLiteral("0.98"));
    EXPECT_EQ(core.DefaultHighlighterName(), QStringLiteral("None"));
    EXPECT_FALSE(core.IsClone());
}

TEST_F(VYRACoreTest, UpdateAllDataDirectoriesWithoutCreatingLeavesDiskAlone)
{
    TVYRACore core(config());
    core.UpdateAllDataDirectories(path("other-common"), path("other-user\\"), false);
    EXPECT_EQ(core.GetAppDataDir(), path("other-common/"));
    EXPECT_EQ(core.UserDataDir(), path("other-user/"));
    EXPECT_EQ(core.GetAppDir(), path("app/"));
    EXPECT_FALSE(QFileInfo::exists(path("other-common")));
}

TEST_F(VYRACoreTest, AFolderThatCannotBeCreatedFailsConstruction)
{
    TestSupport::writeFile(path("blocker"), "a file where a folder should be");
    TVYRACoreConfig blocked = config();
    blocked.userDataDir = path("blocker/user");
    try {
        TVYRACore core(blocked);
        FAIL() << "no exception";
    } catch (const EVYRAException &error) {
        EXPECT_TRUE(error.message().contains(path("blocker/user/"))) << error.what();
    }
}

TEST_F(VYRACoreTest, TemplateListHoldsQtfFilesOfAllSubfolders)
{
    TestSupport::writeFile(path("common/Templates/a.qtf"), "x");
    TestSupport::writeFile(path("common/Templates/PHP/b.QTF"), "x");
    TestSupport::writeFile(path("common/Templates/PHP/deep/c.qtf"), "x");
    TestSupport::writeFile(path("common/Templates/readme.txt"), "x");
    TVYRACore core(config());
    QStringList found = core.TemplateList();
    found.sort();
    // Extensions compare case-insensitively, as masks do everywhere.
    EXPECT_EQ(found, (QStringList{path("common/Templates/PHP/b.QTF"), path("common/Templates/PHP/deep/c.qtf"),
                                  path("common/Templates/a.qtf")}));

    TestSupport::writeFile(path("common/Templates/d.qtf"), "x");
    core.UpdateTemplateList();
    EXPECT_EQ(core.TemplateList().size(), 4);
}

TEST_F(VYRACoreTest, CloneSharesTheSourceObjects)
{
    TVYRACore core(config());
    core.SetProductCaption(QStringLiteral("Talvex Studio"));
    core.SetDefaultHighlighterName(QStringLiteral("Kein"));
    core.SetProjectDir(path("projekte"));
    TVYRACore clone(&core);
    EXPECT_TRUE(clone.IsClone());
    EXPECT_EQ(clone.Source(), &core);
    EXPECT_EQ(clone.Directories().ProjectDir, path("projekte/"));
    EXPECT_EQ(clone.GetAppDataDir(), core.GetAppDataDir());
    EXPECT_EQ(clone.DefaultHighlighterName(), QStringLiteral("Kein"));
    EXPECT_EQ(&clone.TemplateList(), &core.TemplateList());

    TestSupport::writeFile(path("common/Templates/new.qtf"), "x");
    core.UpdateTemplateList();
    EXPECT_EQ(clone.TemplateList().size(), 1);
}

TEST_F(VYRACoreTest, CloneOfNothingOrItselfIsRefused)
{
    EXPECT_THROW(TVYRACore clone(nullptr), EVYRAInvalidOperation);
}

TEST_F(VYRACoreTest, MessageBoxMapsWindowsFlagsAndAnswers)
{
    TVYRACore core(config());
    TScriptedPrompter script;
    TPrompterScope scope(script);
    script.answerButton(TPromptButton::No);
    script.answerButton(TPromptButton::Ok);

    const unsigned yesNoQuestionSecondDefault = 0x4 | 0x20 | 0x100;
    EXPECT_EQ(core.MessageBox(QStringLiteral("Löschen?"), QStringLiteral("Bestätigen"), yesNoQuestionSecondDefault), 7);
    EXPECT_EQ(core.MessageBox(QStringLiteral("Fertig"), QStringLiteral("Info"), 0x40), 1);

    ASSERT_EQ(script.prompts().size(), 2);
    EXPECT_EQ(script.prompts()[0].buttons, TPromptButton::Yes | TPromptButton::No);
    EXPECT_EQ(script.prompts()[0].icon, TPromptIcon::Question);
    EXPECT_EQ(script.prompts()[0].defaultButton, TPromptButton::No);
    EXPECT_EQ(script.prompts()[1].buttons, TPromptButtons(TPromptButton::Ok));
    EXPECT_EQ(script.prompts()[1].icon, TPromptIcon::Information);
}

TEST_F(VYRACoreTest, CreatesAndLoadsItsSettingsThroughTheFactory)
{
    int made = 0;
    TVYRACoreConfig withFactory = config(true);
    withFactory.classes.settings = [&made](const QString &fileName, bool initNow) {
        ++made;
        return TVYRASettings::defaultFactory()(fileName, initNow);
    };
    TVYRACore core(withFactory);
    EXPECT_EQ(made, 1);
    ASSERT_NE(core.Settings(), nullptr);
    EXPECT_EQ(core.Settings()->fileName(), path("user/settings.xml"));
    EXPECT_EQ(core.GetSettingsXMLFile(), path("user/settings.xml"));
    // A missing settings file is not written at start: its absence marks the first run.
    EXPECT_FALSE(QFileInfo::exists(path("user/settings.xml")));
    EXPECT_TRUE(core.RegistryKey().startsWith(QStringLiteral("Software\\Halvorn\\Talvex\\")));
    EXPECT_TRUE(core.RegistryKey().endsWith(QStringLiteral("\\Settings")));
    EXPECT_EQ(core.RegistryRoot(), 0x80000001u);

    TVYRACore clone(&core);
    EXPECT_EQ(clone.Settings(), core.Settings());
    EXPECT_EQ(&clone.HighlighterChangedHandlers(), &core.HighlighterChangedHandlers());
}

TEST_F(VYRACoreTest, WithoutSettingsFactoryTheDefaultSettingsAreUsed)
{
    TVYRACore core(config(false));
    ASSERT_NE(core.Settings(), nullptr);
    EXPECT_EQ(core.Settings()->metaObject(), &TVYRASettings::staticMetaObject);
}

TEST_F(VYRACoreTest, ADamagedSettingsFileIsKeptAndReportedOnce)
{
    TestSupport::writeFile(path("user/settings.xml"), "<VYRASettings><Editor>");
    TScriptedPrompter script;
    TPrompterScope scope(script);
    TVYRACore core(config(true));
    core.InitSettings();
    EXPECT_EQ(TestSupport::readFile(path("user/settings.xml.damaged")), "<VYRASettings><Editor>");
    EXPECT_EQ(script.prompts().size(), 1);
}

TEST_F(VYRACoreTest, OwnsTheHighlighterAndFileTypeRegistries)
{
    TVYRACore core(config());
    ASSERT_NE(core.Highlighters(), nullptr);
    ASSERT_NE(core.Extensions(), nullptr);
    ASSERT_NE(core.GetDefaultHighlighter(), nullptr);
    EXPECT_EQ(core.GetDefaultHighlighter()->LongName(), QStringLiteral("None"));
    core.SetDefaultHighlighterName(QStringLiteral("Kein"));
    EXPECT_EQ(core.GetDefaultHighlighter()->LongName(), QStringLiteral("Kein"));

    ASSERT_NE(core.Ciphers(), nullptr);

    TVYRACore clone(&core);
    EXPECT_EQ(clone.Ciphers(), core.Ciphers());
    EXPECT_EQ(clone.Highlighters(), core.Highlighters());
    EXPECT_EQ(clone.Extensions(), core.Extensions());
}

TEST_F(VYRACoreTest, GroupsCreatedForTheCoreCopyItsProjectEvents)
{
    TVYRACore core(config());
    QStringList added;
    core.ProjectEvents().OnProjectItemAdded = [&added](TVYRAProjectGroupItems *, TVYRAProjectGroupItem *item) {
        added << item->GetName();
    };
    TVYRAProjectGroupList *groups = core.ProjectGroups();
    ASSERT_NE(groups, nullptr);
    groups->Add(core.ProjectGroupClass()(groups, QString(), false, false));
    groups->Items(0)->AddItem(QStringLiteral("a.php"), path("a.php"), pitFile, nullptr, true);
    EXPECT_EQ(added, QStringList({"a.php"}));
    TVYRACore clone(&core);
    EXPECT_EQ(clone.ProjectGroups(), groups);
}
