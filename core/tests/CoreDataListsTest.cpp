// The core's snippet, tool and recent-file lists and its private copy of the
// shipped snippets.
#include "framework/TVYRACore.h"
#include "snippets/TSnippets.h"
#include "snippets/TVYRAMRUList.h"
#include "tools/TToolCallBack.h"
#include "tools/TVYRAToolList.h"
#include "ui/TScriptedPrompter.h"

#include "TestSupport.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CoreDataListsTest : public ::testing::Test
{
protected:
    TVYRACoreConfig config() const
    {
        return TVYRACoreConfig{nullptr, root.filePath("app"), root.filePath("common"), root.filePath("user"),
                               TVYRAEditorTypes::etBoth, false, {}};
    }
    QString path(const QString &relative) const { return root.filePath(relative); }

    QTemporaryDir root;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
};

const QByteArray kShipped = "<snippets><group groupname=\"PHP\"><snippet name=\"echo\" shortcut=\"ec\">"
                            "<![CDATA[echo %cursor%;]]></snippet></group></snippets>";

} // namespace

TEST_F(CoreDataListsTest, FirstRunCopiesTheShippedSnippetsForTheUser)
{
    TestSupport::writeFile(path("common/snippets.xml"), kShipped);
    TVYRACore core(config());
    ASSERT_NE(core.Snippets(), nullptr);
    EXPECT_EQ(core.Snippets()->FileName(), path("user/snippets.xml"));
    ASSERT_EQ(core.Snippets()->RootGroup()->GetGroupCount(), 1);
    EXPECT_EQ(core.Snippets()->RootGroup()->GetGroup(0)->GetSnippet(0)->Shortcut, QStringLiteral("ec"));
    TSnippets copy(path("user/snippets.xml"));
    ASSERT_EQ(copy.RootGroup()->GetGroupCount(), 1);
    EXPECT_EQ(copy.RootGroup()->GetGroup(0)->GetSnippet(0)->Code, QStringLiteral("echo %cursor%;"));
    EXPECT_EQ(TestSupport::readFile(path("common/snippets.xml")), kShipped);
    EXPECT_TRUE(prompter.prompts().isEmpty());
}

TEST_F(CoreDataListsTest, TheUsersOwnSnippetsWinAndTheShippedFileIsNotRead)
{
    // A damaged shipped file would raise if it were read.
    TestSupport::writeFile(path("common/snippets.xml"), "<snippets><group>");
    TestSupport::writeFile(path("user/snippets.xml"), "<snippets><snippet name=\"mein\">x</snippet></snippets>");
    TVYRACore core(config());
    ASSERT_EQ(core.Snippets()->RootGroup()->GetSnippetCount(), 1);
    EXPECT_EQ(core.Snippets()->RootGroup()->GetSnippet(0)->Name, QStringLiteral("mein"));
    EXPECT_TRUE(prompter.prompts().isEmpty());
}

TEST_F(CoreDataListsTest, ADamagedUserFileIsSetAsideAndTheShippedSnippetsComeBack)
{
    TestSupport::writeFile(path("common/snippets.xml"), kShipped);
    TestSupport::writeFile(path("user/snippets.xml"), "<snippets><snippet>");
    TestSupport::writeFile(path("user/recent.xml"), "<recent><item0>");
    TestSupport::writeFile(path("user/tools.xml"), "<tools><tool>");
    TVYRACore core(config());
    EXPECT_EQ(TestSupport::readFile(path("user/snippets.xml.damaged")), "<snippets><snippet>");
    EXPECT_EQ(TestSupport::readFile(path("user/recent.xml.damaged")), "<recent><item0>");
    EXPECT_EQ(TestSupport::readFile(path("user/tools.xml.damaged")), "<tools><tool>");
    EXPECT_EQ(core.Snippets()->RootGroup()->GetGroupCount(), 1);
    EXPECT_EQ(TSnippets(path("user/snippets.xml")).RootGroup()->GetGroupCount(), 1);
    EXPECT_EQ(core.RecentFiles()->GetCount(), 0);
    EXPECT_EQ(core.Tools()->GetCount(), 0);
    ASSERT_EQ(prompter.prompts().size(), 3);
    for (const TPrompt &prompt : prompter.prompts())
        EXPECT_TRUE(prompt.text.contains(QStringLiteral(".damaged"))) << prompt.text.toStdString();

    // The lists write fresh files in place of the damaged ones.
    EXPECT_TRUE(core.RecentFiles()->ExpandList(QStringLiteral("/a.php")));
    EXPECT_TRUE(core.Tools()->Save());
}

TEST_F(CoreDataListsTest, ADamagedShippedFileLeavesTheSnippetsEmptyAndIsReported)
{
    TestSupport::writeFile(path("common/snippets.xml"), "<snippets><group>");
    TVYRACore core(config());
    EXPECT_EQ(core.Snippets()->RootGroup()->GetGroupCount(), 0);
    EXPECT_EQ(core.Snippets()->FileName(), path("user/snippets.xml"));
    EXPECT_FALSE(QFileInfo::exists(path("user/snippets.xml")));
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts().first().text.contains(path("common/snippets.xml")));
}

TEST_F(CoreDataListsTest, ListsLiveInTheUserDataFolderAndClonesShareThem)
{
    TestSupport::writeFile(path("user/recent.xml"), "<recent><item0>/srv/a.php</item0></recent>");
    TestSupport::writeFile(path("user/tools.xml"),
                           "<tools><tool><file>/usr/bin/php</file><params>-l</params><name>PHP</name></tool></tools>");
    TVYRACore core(config());
    EXPECT_EQ(core.RecentFiles()->FileName(), path("user/recent.xml"));
    EXPECT_EQ(core.RecentFiles()->Items(), QStringList{"/srv/a.php"});
    EXPECT_EQ(core.Tools()->FileName(), path("user/tools.xml"));
    EXPECT_EQ(core.Tools()->SearchTool(QStringLiteral("PHP"), tsoName), 0);

    TVYRACore clone(&core);
    EXPECT_EQ(clone.RecentFiles(), core.RecentFiles());
    EXPECT_EQ(clone.Tools(), core.Tools());
    EXPECT_EQ(clone.Snippets(), core.Snippets());
}

TEST_F(CoreDataListsTest, ToolModulesSeeTheCoreUntilItGoes)
{
    {
        TVYRACore core(config());
        ASSERT_EQ(TToolCallBack::Application(), core.ToolApplication());
        QString value;
        EXPECT_EQ(TToolCallBack::Execute(TToolCallBack::Application(), 10, value), 0);
        EXPECT_EQ(value, path("user/settings.xml"));
        // The core holds no documents: document codes find none.
        EXPECT_EQ(TToolCallBack::Execute(TToolCallBack::Application(), 1, value), 101);
        {
            TVYRACore clone(&core);
        }
        EXPECT_EQ(TToolCallBack::Application(), core.ToolApplication());
    }
    EXPECT_EQ(TToolCallBack::Application(), nullptr);
}
