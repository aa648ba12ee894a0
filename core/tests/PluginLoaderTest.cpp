#include "PluginTestHost.h"
#include "plugins/PluginStrings.h"
#include "plugins/TVYRAInterfaceCounter.h"
#include "plugins/TVYRAPluginMenuExtensions.h"
#include "ui/TScriptedPrompter.h"

#include <QDir>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

QString comment(const TVYRAPlugin *plugin)
{
    return PluginStrings::FromZero(plugin->Plugin()->GetComment());
}

QString guidText(const TVYRAGUID &id)
{
    return QUuid(id.Data1, id.Data2, id.Data3, id.Data4[0], id.Data4[1], id.Data4[2], id.Data4[3], id.Data4[4],
                 id.Data4[5], id.Data4[6], id.Data4[7])
        .toString(QUuid::WithBraces)
        .toUpper();
}

} // namespace

TEST(PluginInterfaces, IdentifiersMatchThePublishedTable)
{
    const std::vector<std::pair<TVYRAGUID, const char *>> table = {
        {LIBID_VYRAPluginInterface, "{0D281375-3FC0-4B36-BF62-360626904969}"},
        {IID_IApplication, "{0442FCE3-5B3B-4898-8AFC-A4814630D9ED}"},
        {IID_ICipher, "{5019EFB5-A251-44DC-94C5-801C2D177287}"},
        {IID_ICipherList, "{5BB80617-ED0D-4494-8FA1-C758F64D2B9F}"},
        {IID_IDocument, "{49D33692-B692-4423-BE51-30F53E6FF46E}"},
        {IID_IDocuments, "{BCE99D6A-3A9F-473E-BAE2-F8E4D2D25DD9}"},
        {IID_IEditor, "{92CE456C-2D6B-4FDF-BD2D-60CF0978232B}"},
        {IID_IGUIElement, "{97FFB200-09AE-4DEA-AFA2-7E9B74078272}"},
        {IID_IGUIInterface, "{3F556DDF-72D1-4ECB-98DD-BDAB70A3F300}"},
        {IID_IHighlighter, "{25857EA4-A9D1-4608-AE77-8339385E6141}"},
        {IID_IHighlighters, "{47BD688D-4913-4577-A6B2-B023E8B38D15}"},
        {IID_IImageList, "{DCC51714-BC01-4238-8DFA-CAA74B50ECDF}"},
        {IID_IMainMenu, "{B8435927-2FE9-4487-9955-4138579288D8}"},
        {IID_IMenuItem, "{EB29098A-A769-4E1D-91A0-F728A1C7C92D}"},
        {IID_IMenuItems, "{9A35E2C0-792E-4372-9483-D779C92B0B07}"},
        {IID_INotifyEvent, "{EE9407DD-2337-4DFC-BD2D-A40C4FA0A1A7}"},
        {IID_IPageControl, "{136790A2-003E-4928-A8F0-13A2ABDF0363}"},
        {IID_IPageControlPage, "{00E7E377-E2DC-40B9-97CB-88D6BC9D670F}"},
        {IID_IPlugin, "{B6CB019B-B46E-4370-86AD-87323ED104B2}"},
        {IID_ITemplates, "{344CD674-AB23-4A11-8020-D2F916E1428D}"},
        {IID_ITextAttributes, "{88834420-FF27-460F-A10F-B6EA8DEAB2C1}"},
    };
    for (const auto &[id, text] : table)
        EXPECT_EQ(guidText(id), QString::fromLatin1(text));
}

// Every module the loader cannot use is listed with its reason, and loading
// goes on with the next one.
TEST(PluginLoader, RefusedAndBrokenModulesAreListedWithTheirMessage)
{
    PluginTestHost host;
    const QString oldMinor = host.install(QStringLiteral("FixturePluginOldMinor"));
    host.install(QStringLiteral("FixturePluginDeprecated"));
    host.install(QStringLiteral("FixturePluginNoLoad"));
    host.install(QStringLiteral("FixturePluginFalse"));
    host.install(QStringLiteral("FixturePluginThrows"));
    host.install(QStringLiteral("FixturePluginNull"));
    host.install(QStringLiteral("FixturePluginInitThrows"));
    host.install(QStringLiteral("FixturePluginNothing"));
    const QString text = host.core->PluginDir() + QStringLiteral("Notiz.so");
    TestSupport::writeFile(text, "kein Modul");
    host.install(QStringLiteral("FixturePlugin"), QStringLiteral("zz_good.so"));

    host.loadAll();
    ASSERT_EQ(host.core->Plugins()->Count(), 10);
    const QString expectedOld =
        QStringLiteral("Plugin Loader: The plugin is not compatible.\r\nExpected interface version '1.2' with Library "
                       "ID: '{0D281375-3FC0-4B36-BF62-360626904969}', but got interface version '1.1' with Library "
                       "ID: '{0D281375-3FC0-4B36-BF62-360626904969}.'");
    const std::vector<std::pair<QString, QString>> expected = {
        {QStringLiteral("FixturePluginOldMinor.so"), expectedOld},
        {QStringLiteral("FixturePluginDeprecated.so"),
         QStringLiteral("Plugin Loader: Plugin deprecated. You need to recompile this VYRA Plugin according to the "
                        "recent convention for VYRA Plugins.")},
        {QStringLiteral("FixturePluginNoLoad.so"),
         QStringLiteral("Plugin Loader: The required Plugin function \"LoadPlugIn\" could not be found in the DLL "
                        "file.")},
        {QStringLiteral("FixturePluginFalse.so"), QStringLiteral("Plugin Loader: The plugin function returned \"false\".")},
        {QStringLiteral("FixturePluginThrows.so"),
         QStringLiteral("Plugin Loader: Error loading plugin: LoadPlugIn ist gescheitert")},
        {QStringLiteral("FixturePluginNull.so"),
         QStringLiteral("Plugin Loader: Error loading plugin: \"LoadPlugIn\" returned no plugin.")},
        {QStringLiteral("FixturePluginInitThrows.so"),
         QStringLiteral("Plugin Loader: Error loading plugin: kaputt beim Start")},
        {QStringLiteral("FixturePluginNothing.so"), QStringLiteral("Plugin Loader: Unsupported Plugin type.")},
    };
    for (const auto &[file, message] : expected) {
        const TVYRAPlugin *plugin = host.plugin(file);
        ASSERT_TRUE(plugin) << file.toStdString();
        EXPECT_EQ(comment(plugin), message) << file.toStdString();
        EXPECT_TRUE(plugin->LoadState().testFlag(TVYRAPluginLoadStateFlag::plsLoadError));
        EXPECT_FALSE(plugin->Active());
        EXPECT_EQ(plugin->LibraryHandle(), TVYRAPlugin::Released) << file.toStdString();
        EXPECT_EQ(PluginStrings::FromZero(plugin->Plugin()->GetAuthor()), "Unknown");
        EXPECT_EQ(PluginStrings::FromZero(plugin->Plugin()->GetName()), plugin->FileName());
    }
    const TVYRAPlugin *notes = host.plugin(QStringLiteral("Notiz.so"));
    EXPECT_TRUE(comment(notes).startsWith("Plugin Loader: LoadLibrary() returned zero: ")) << comment(notes).toStdString();
    EXPECT_EQ(notes->LibraryHandle(), 0);
    // The incompatible one was never asked to load; the good one after all the bad ones still loads.
    EXPECT_EQ(FixtureModule(oldMinor).Log(), QString());
    const TVYRAPlugin *good = host.plugin(QStringLiteral("zz_good.so"));
    EXPECT_TRUE(good->Active());
    EXPECT_EQ(good->Kind(), TVYRAPluginType::ptVYRA);
    EXPECT_EQ(good->Name(), "Testmodul");
    EXPECT_EQ(host.core->RunEvent(VYRA_EVENT_DOCUMENTSAVED), true);
}

TEST(PluginLoader, EventsGoToPluginsInOrderUntilOneRefuses)
{
    PluginTestHost host;
    EXPECT_TRUE(host.core->RunEvent(VYRA_EVENT_FILEOPENED)) << "without plug-ins no one refuses";
    const QString first = host.install(QStringLiteral("FixturePluginEventThrows"), QStringLiteral("a.so"));
    const QString second = host.install(QStringLiteral("FixturePlugin"), QStringLiteral("b.so"));
    const QString third = host.install(QStringLiteral("FixturePlugin"), QStringLiteral("c.so"));
    host.loadAll();
    FixtureModule a(first), b(second), c(third);

    EXPECT_TRUE(host.core->RunEvent(VYRA_EVENT_FILEOPENED));
    EXPECT_TRUE(host.plugin("a.so")->LoadState().testFlag(TVYRAPluginLoadStateFlag::plsDisabled))
        << "a plug-in that throws is disabled, the others are still asked";
    EXPECT_TRUE(b.Log().endsWith("E1"));
    EXPECT_TRUE(c.Log().endsWith("E1"));

    b.SetAnswer(false);
    EXPECT_FALSE(host.core->RunEvent(VYRA_EVENT_DOCUMENTCLOSED));
    EXPECT_TRUE(b.Log().endsWith("E2"));
    EXPECT_FALSE(c.Log().contains("E2")) << "later plug-ins are not asked";
    EXPECT_FALSE(a.Log().contains("E2")) << "a disabled plug-in is asked no more";
}

// Every interface a module holds or gave is released while the module is
// still loaded; the module checks it in its own unload.
TEST(PluginLoader, ShutdownReleasesEverythingBeforeUnloading)
{
    QTemporaryDir reportDir;
    const QString report = reportDir.filePath("unload.txt");
    qputenv("FIXTURE_UNLOAD_REPORT", report.toLocal8Bit());
    const int liveBefore = TVYRAInterfaceCounter::Live();
    {
        PluginTestHost host;
        host.install(QStringLiteral("FixturePlugin"), QStringLiteral("one.so"));
        host.install(QStringLiteral("FixturePlugin"), QStringLiteral("two.so"));
        host.loadAll();
        ASSERT_TRUE(host.plugin("one.so")->Active());
        // The listeners hang on the host's own item and on the plug-ins' items.
        EXPECT_EQ(host.core->PluginMenuExtensions().Click.ListenerCount(), 6);
        host.hostAction->trigger();
        EXPECT_GT(TVYRAInterfaceCounter::Live(), liveBefore) << "the plug-ins hold the application";
    }
    qunsetenv("FIXTURE_UNLOAD_REPORT");
    EXPECT_EQ(TVYRAInterfaceCounter::Live(), liveBefore) << "every host object came back";
    EXPECT_EQ(TestSupport::readFile(report), "0\n0\n") << "no module object was left when its module went";
}

TEST(PluginLoader, FoldersInstallAndAllowedKinds)
{
    PluginTestHost host;
    const QString userFolder = host.core->UserDataDir() + QStringLiteral("Plugins/");
    QDir().mkpath(userFolder);
    ASSERT_TRUE(QFile::copy(PluginTestHost::fixture("FixturePlugin"), userFolder + "mine.so"));
    ASSERT_TRUE(QFile::copy(PluginTestHost::fixture("FixturePluginFalse"), userFolder + "shared.so"));
    host.install(QStringLiteral("FixturePlugin"), QStringLiteral("shared.so"));
    host.install(QStringLiteral("FixtureEPS"), QStringLiteral("eps.so"));

    EXPECT_EQ(TVYRAPlugins::DeterminePluginType(host.core->PluginDir() + "eps.so"), TVYRAPluginType::ptPhase5);
    EXPECT_EQ(TVYRAPlugins::DeterminePluginType(host.core->PluginDir() + "shared.so"), TVYRAPluginType::ptVYRA);
    EXPECT_EQ(TVYRAPlugins::DeterminePluginType(host.core->PluginDir() + "missing.so"), TVYRAPluginType::ptNone);

    host.loadAll({TVYRAPluginType::ptVYRA});
    TVYRAPlugins &plugins = *host.core->Plugins();
    EXPECT_EQ(plugins.Count(), 2) << "the program's shared.so hides the user's; eps.so is not allowed";
    EXPECT_TRUE(host.plugin("SHARED.SO")->Active()) << "names compare case-insensitively; the program's copy won";
    EXPECT_TRUE(host.plugin("mine.so")->Active());
    EXPECT_FALSE(plugins.IsPluginLoaded("eps.so"));
    EXPECT_EQ(plugins.LoadPlugin(host.core->PluginDir() + "eps.so", false), nullptr) << "kind not allowed";

    plugins.SetAllowedTypes(TVYRAPlugins::AllTypes());
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::copy(PluginTestHost::fixture("FixtureSlave"), elsewhere.filePath("slave.so")));
    EXPECT_EQ(plugins.LoadPlugin(elsewhere.filePath("slave.so"), false), nullptr) << "not in the plug-in folder";
    TVYRAPlugin *slave = plugins.LoadPlugin(elsewhere.filePath("slave.so"), true);
    ASSERT_TRUE(slave);
    EXPECT_TRUE(QFile::exists(host.core->PluginDir() + "slave.so"));
    EXPECT_EQ(slave->Kind(), TVYRAPluginType::ptLoomexslave);
    EXPECT_EQ(plugins.LoadPlugin("slave.so", false), slave) << "an active plug-in is not loaded twice";
    EXPECT_EQ(plugins.Count(), 3);
}
