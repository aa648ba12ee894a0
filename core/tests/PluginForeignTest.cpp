#include "PluginTestHost.h"
#include "facade/TVYRAEditor.h"
#include "facade/TVYRATextAttributes.h"
#include "plugins/PluginStrings.h"
#include "plugins/TVYRALoomexCallBack.h"
#include "plugins/TVYRAPluginsMenu.h"
#include "ui/TScriptedPrompter.h"
#include "utils/VersionInfo.h"

#include <gtest/gtest.h>

namespace {

// A new document holding text with the given selection.
void openText(PluginTestHost &host, const QString &text, int selStart, int selLength)
{
    ASSERT_GE(host.container->NewDocument(), 0);
    std::unique_ptr<TVYRAEditor> editor = host.container->GetEditor(host.container->GetActiveDocumentIndex());
    editor->SetText(text);
    TVYRATextAttributes attributes(editor.get());
    attributes.SetSelStart(selStart);
    attributes.SetSelLength(selLength);
}

QString activeText(PluginTestHost &host)
{
    return host.container->GetEditor(host.container->GetActiveDocumentIndex())->GetText();
}

} // namespace

TEST(ForeignPlugins, MenuNamesKeepLettersAndUnderscoresAndNeverCollide)
{
    PluginTestHost host;
    host.install(QStringLiteral("FixtureEPS"), QStringLiteral("my-tool 2.so"));
    host.install(QStringLiteral("FixtureEPS"), QStringLiteral("tool1.so"));
    host.install(QStringLiteral("FixtureEPS"), QStringLiteral("tool2.so"));
    host.install(QStringLiteral("FixtureSlave"), QStringLiteral("slave.so"));
    host.loadAll();

    QAction *plugins = host.menuItem("mmPlugins");
    ASSERT_TRUE(plugins && plugins->menu());
    EXPECT_EQ(plugins->text(), "Plugins");
    EXPECT_EQ(plugins->statusTip(), "EPS / Loomexslave Plugins");
    EXPECT_EQ(host.menuBar.actions().indexOf(plugins), 1) << "inserted at the plug-in menu position";
    QStringList names;
    for (QAction *entry : plugins->menu()->actions())
        names << entry->objectName();
    EXPECT_EQ(names, (QStringList{"mmEPSPlugin_mytool", "mmLoomexSlave_Sklave", "mmEPSPlugin_tool",
                                  "mmEPSPlugin_tool2"}));
    EXPECT_EQ(host.menuItem("mmEPSPlugin_mytool")->text(), "my-tool 2");
    EXPECT_EQ(host.menuItem("mmEPSPlugin_mytool")->statusTip(), "EPS Plugin");
    EXPECT_EQ(host.menuItem("mmLoomexSlave_Sklave")->text(), "Sklave 1");
    EXPECT_EQ(host.menuItem("mmLoomexSlave_Sklave")->statusTip(), "Loomexslave Plugin");
}

TEST(ForeignPlugins, QuestionPluginIsAskedThenReplacesTheSelection)
{
    PluginTestHost host;
    const QString file = host.install(QStringLiteral("FixtureEPS"), QStringLiteral("klammern.so"));
    host.loadAll();
    const TVYRAPlugin *plugin = host.plugin("klammern.so");
    ASSERT_TRUE(plugin->Active()) << plugin->ErrorText().toStdString();
    EXPECT_EQ(plugin->Kind(), TVYRAPluginType::ptPhase5);
    EXPECT_EQ(PluginStrings::FromZero(plugin->Plugin()->GetName()), "Klammern");
    EXPECT_EQ(PluginStrings::FromZero(plugin->Plugin()->GetAuthor()), "Erika, Muster");
    EXPECT_EQ(PluginStrings::FromZero(plugin->Plugin()->GetComment()), "Setzt Klammern\r\nZeile 5\r\nZeile 6");

    openText(host, QStringLiteral("abc déf"), 4, 3);
    const QString documentName = host.doc(0)->GetFileName();
    host.menuItem("mmEPSPlugin_klammern")->trigger();
    FixtureModule module(file);
    const QString expected = QStringLiteral("Q1=%1/2/0|Q4=%2/2/0|Q7=%3/2/0|Q15=2/2/0|Q42=/2/-1|start:abc d")
                                 .arg(host.core->ProductCaption(), host.core->PluginDir(), documentName);
    EXPECT_TRUE(module.Log().startsWith(expected)) << module.Log().toStdString();
    EXPECT_EQ(activeText(host), "abc [déf]");
}

TEST(ForeignPlugins, QuestionPluginVersionRulesAndFailures)
{
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    PluginTestHost host;
    const QString bad = host.install(QStringLiteral("FixtureEPSBadVersion"), QStringLiteral("bad.so"));
    host.install(QStringLiteral("FixtureEPSNoVersion"), QStringLiteral("old.so"));
    host.install(QStringLiteral("FixtureEPSThrows"), QStringLiteral("throws.so"));
    host.loadAll();

    EXPECT_EQ(host.plugin("bad.so")->ErrorText(),
              QStringLiteral("EPS Plugin loader: Error loading file '%1'. Plugin Interface Version is invalid. "
                             "Expected Version: '1' or '2' - Plugin file: '3'.")
                  .arg(bad));
    EXPECT_EQ(host.menuItem("mmEPSPlugin_bad"), nullptr) << "the refused plug-in's item is removed again";
    EXPECT_TRUE(host.plugin("old.so")->Active()) << "a module without a version export speaks version 1";

    openText(host, QStringLiteral("Text"), 0, 4);
    host.menuItem("mmEPSPlugin_throws")->trigger();
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].text, "Das Zusatzmodul \"throws.so\" ist bei der Ausführung gescheitert.");
    EXPECT_EQ(activeText(host), "Text");

    // Text the module's code page cannot hold is not handed over.
    std::unique_ptr<TVYRAEditor> editor = host.container->GetEditor(0);
    editor->SetText(QStringLiteral("Pfeil → hier"));
    host.menuItem("mmEPSPlugin_old")->trigger();
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_TRUE(prompter.prompts()[1].text.startsWith("Das Zusatzmodul \"old.so\" wurde nicht ausgeführt: "));
    EXPECT_EQ(editor->GetText(), "Pfeil → hier");
}

TEST(ForeignPlugins, CallBackCommandsAnswerWithTheirCodes)
{
    PluginTestHost host;
    TVYRALoomexCallBack::SetCore(host.core.get());
    EXPECT_EQ(TVYRALoomexCallBack::Execute(3, "5"), "03103") << "no active document";
    EXPECT_EQ(TVYRALoomexCallBack::Execute(8, ""), "03103");
    EXPECT_EQ(TVYRALoomexCallBack::Execute(5, ""), "0000");
    EXPECT_EQ(TVYRALoomexCallBack::Execute(14, ""), "00DE");
    EXPECT_EQ(TVYRALoomexCallBack::Execute(13, ""), "00" + GetVersion());
    EXPECT_EQ(TVYRALoomexCallBack::Execute(17, ""), "00" + host.core->PluginDir());
    for (int unsupported : {15, 16, 19, 20, 21, 22, 77})
        EXPECT_EQ(TVYRALoomexCallBack::Execute(unsupported, ""), "03104") << unsupported;
    for (int i = 0; i < 3; ++i)
        host.container->NewDocument();
    EXPECT_EQ(TVYRALoomexCallBack::Execute(5, ""), "0003");
    for (int i = 0; i < 9; ++i)
        host.container->NewDocument();
    EXPECT_EQ(TVYRALoomexCallBack::Execute(5, ""), "0012");
    EXPECT_EQ(TVYRALoomexCallBack::Execute(11, "Zeile 1\nZeile 2"), "00");
    EXPECT_EQ(TVYRALoomexCallBack::Execute(10, ""), "00Zeile 1\nZeile 2");

    // The answer is a buffer of the host's, valid until the next call.
    const char *first = TVYRALoomexCallBack::CallBack(0, 14, nullptr);
    EXPECT_STREQ(first, "00DE");
    const char *second = TVYRALoomexCallBack::CallBack(0, 12, "");
    EXPECT_EQ(QString::fromLatin1(second), "00" + host.core->ProductCaption());
    TVYRALoomexCallBack::SetCore(nullptr);
    EXPECT_STREQ(TVYRALoomexCallBack::CallBack(0, 5, ""), "03102") << "no core: the command fails";
}

TEST(ForeignPlugins, CallBackPluginDrivesTheEditor)
{
    PluginTestHost host;
    const QString file = host.install(QStringLiteral("FixtureSlave"), QStringLiteral("slave.so"));
    host.install(QStringLiteral("FixtureSlaveOld"), QStringLiteral("old.so"));
    host.loadAll();
    EXPECT_EQ(host.plugin("old.so")->ErrorText(), "Plugin Loader: Unsupported Plugin type.");
    const TVYRAPlugin *slave = host.plugin("slave.so");
    ASSERT_TRUE(slave->Active());
    EXPECT_EQ(PluginStrings::FromZero(slave->Plugin()->GetComment()), "Fragt den Editor");
    EXPECT_EQ(PluginStrings::FromZero(slave->Plugin()->GetAuthor()), "Erika Muster");

    openText(host, QStringLiteral("eins\nzwei"), 1, 2);
    const QString name = host.doc(0)->GetFileName();
    host.menuItem("mmLoomexSlave_Sklave")->trigger();
    FixtureModule module(file);
    const QString log = module.Log();
    EXPECT_TRUE(log.startsWith("5=0001;4=00" + name + ";3=00;")) << log.toStdString();
    EXPECT_TRUE(log.contains(";12=00" + host.core->ProductCaption() + ";14=00DE;")) << log.toStdString();
    EXPECT_TRUE(log.endsWith(";16=03104;99=03104;")) << log.toStdString();
}
