#include "filetypes/TVYRAExtensions.h"
#include "filetypes/TXdgShellAssociationStore.h"
#include "firstrun/TBrowserFinder.h"
#include "firstrun/TFirstRunDialog.h"
#include "firstrun/TFirstRunPages.h"
#include "firstrun/TFirstRunSetup.h"
#include "framework/TVYRACore.h"
#include "settings/TTalvexStudioSettings.h"
#include "TestSupport.h"
#include "ui/TScriptedPrompter.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// An executable stand-in for a browser program.
QString program(const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    writeFile(path, "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
    return path;
}

} // namespace

TEST(FirstRunTest, PagesCarryTheirTextsAndTheButtonsFollowThePage)
{
    const QStringList names{"Willkommen", "Browsersuche", "Dateierweiterungen", "PHP", "Ende"};
    const QStringList titles{"Willkommen bei Talvex Studio", "Browser einrichten", "Dateierweiterungen konfigurieren",
                             "PHP-Integration konfigurieren", "Fertig stellen"};
    for (int page = 0; page < TFirstRunPages::Count; ++page) {
        EXPECT_EQ(TFirstRunPages::PageName(page), names[page]);
        EXPECT_EQ(TFirstRunPages::Title(page), titles[page]);
        EXPECT_FALSE(TFirstRunPages::Description(page).isEmpty());
        EXPECT_EQ(TFirstRunPages::BackEnabled(page), page > 0);
    }
    EXPECT_EQ(TFirstRunPages::NextCaption(TFirstRunPages::fpPHP), QStringLiteral("Weiter >"));
    EXPECT_EQ(TFirstRunPages::NextCaption(TFirstRunPages::fpFinish), QStringLiteral("Fertig stellen"));
    EXPECT_EQ(TFirstRunPages::Footer(TFirstRunPages::fpWelcome),
              QStringLiteral("Klicken Sie auf \"Weiter >\", um fortzufahren."));
    EXPECT_EQ(TFirstRunPages::Footer(TFirstRunPages::fpFinish),
              QStringLiteral("Klicken Sie auf \"Fertig stellen\", um fortzufahren."));
    EXPECT_EQ(TFirstRunPages::Description(TFirstRunPages::fpFinish),
              QStringLiteral("Die Startkonfiguration ist nun beendet."));
}

TEST(FirstRunTest, LeavingThePhpPageWithoutAValidPathAsksFirst)
{
    QTemporaryDir root;
    const QString php = root.filePath(QStringLiteral("php"));
    writeFile(php, "");
    TScriptedPrompter prompter;
    EXPECT_TRUE(TFirstRunPages::MayLeavePHPPage(php, false, prompter));
    EXPECT_TRUE(TFirstRunPages::MayLeavePHPPage(root.filePath("nophp"), true, prompter));
    EXPECT_TRUE(prompter.prompts().isEmpty());
    EXPECT_EQ(TFirstRunPages::PHPPathHint(php), QString());
    EXPECT_EQ(TFirstRunPages::PHPPathHint(root.filePath("nophp")), QStringLiteral("Datei nicht gefunden!"));
    // A folder is no interpreter.
    EXPECT_FALSE(TFirstRunPages::IsPHPPathValid(root.path()));

    prompter.answerButton(TPromptButton::No);
    prompter.answerButton(TPromptButton::Yes);
    EXPECT_FALSE(TFirstRunPages::MayLeavePHPPage(root.filePath("nophp"), false, prompter));
    EXPECT_TRUE(TFirstRunPages::MayLeavePHPPage(QString(), false, prompter));
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_TRUE(prompter.prompts().first().text.startsWith(
        QStringLiteral("Die angegebene Datei zur ausführbaren Datei von PHP ist nicht gültig.")));
    EXPECT_EQ(prompter.prompts().first().caption, QStringLiteral("Bestätigen"));
    EXPECT_EQ(prompter.prompts().first().buttons, TPromptButton::Yes | TPromptButton::No);
}

TEST(FirstRunTest, BrowserSearchFindsProgramsOnThePathAndStoresEachOnce)
{
    QTemporaryDir first;
    QTemporaryDir second;
    const QString firefox = program(first.path(), QStringLiteral("firefox"));
    program(second.path(), QStringLiteral("firefox"));
    const QString falkon = program(second.path(), QStringLiteral("falkon"));
    // Folders of the same name are no programs.
    QDir(first.path()).mkdir(QStringLiteral("chromium"));

    const QList<TFoundBrowser> found = TBrowserFinder::Find({first.path(), second.path()});
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].name, QStringLiteral("Mozilla Firefox"));
    EXPECT_EQ(found[0].path, firefox);
    EXPECT_TRUE(found[0].parameters.contains(QStringLiteral("%filename%")));
    EXPECT_EQ(found[1].path, falkon);

    TTalvexStudioBrowserSettings browsers;
    int added = 0;
    QStringList report = TBrowserFinder::Store(found, browsers, &added);
    EXPECT_EQ(added, 2);
    ASSERT_EQ(browsers.Count(), 2);
    EXPECT_EQ(browsers.Items(0)->Path, firefox);
    EXPECT_EQ(report.first(), QStringLiteral("Browser \"Mozilla Firefox\" gefunden: %1 ... gespeichert.").arg(firefox));
    EXPECT_EQ(report.last(), QStringLiteral("Suche abgeschlossen."));

    report = TBrowserFinder::Store(found, browsers, &added);
    EXPECT_EQ(added, 0);
    EXPECT_EQ(browsers.Count(), 2);
    EXPECT_TRUE(report.first().endsWith(QStringLiteral("... bereits vorhanden.")));

    EXPECT_EQ(TBrowserFinder::Store({}, browsers).last(),
              QStringLiteral("Suche abgeschlossen. Es liegen keine Ergebnisse vor."));
}

namespace {

class FirstRunSetupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        const QString shipped = sourceDir() + QStringLiteral("/data/shipped/filetypes.xml");
        TVYRACoreConfig config{nullptr, root.filePath("app"), root.filePath("common"), root.filePath("user"),
                               TVYRAEditorTypes::etBoth, false, {}};
        config.classes.settings = TTalvexStudioSettings::factory();
        core = std::make_unique<TVYRACore>(config);
        core->Extensions()->LoadFromFile(shipped, true);
    }
    TTalvexStudioSettings *settings() const { return qobject_cast<TTalvexStudioSettings *>(core->Settings()); }

    QTemporaryDir root;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    std::unique_ptr<TVYRACore> core;
    TXdgShellAssociationStore store{QStringLiteral("/opt/talvex/bin/TalvexStudio"), root.filePath("config"),
                                    root.filePath("data")};
};

} // namespace

TEST_F(FirstRunSetupTest, FinishingAssociatesTheTickedExtensionsStoresPhpAndSavesTheSettings)
{
    ASSERT_TRUE(settings());
    const QString php = root.filePath(QStringLiteral("bin/php"));
    writeFile(php, "");
    TFirstRunChoices choices;
    choices.phpPath = php;
    choices.templates = false;
    EXPECT_TRUE(TFirstRunSetup::Apply(choices, *core, store));
    EXPECT_TRUE(prompter.prompts().isEmpty());

    for (const char *extension : {".qpg", ".php", ".php3", ".php4", ".php5"})
        EXPECT_EQ(store.RegisteredVerbs(QString::fromLatin1(extension), QStringLiteral("edit")) & 1, 1) << extension;
    EXPECT_EQ(store.RegisteredVerbs(QStringLiteral(".qtf"), QStringLiteral("edit")), 0);

    EXPECT_EQ(settings()->PHP()->PHPExeFile, php);
    const QString file = settings()->fileName();
    ASSERT_TRUE(QFileInfo::exists(file));
    EXPECT_TRUE(readFile(file).contains(php.toUtf8()));
}

TEST_F(FirstRunSetupTest, NoPhpOrAMissingInterpreterLeavesThePhpSettingAlone)
{
    settings()->PHP()->PHPExeFile = QStringLiteral("/old/php");
    TFirstRunChoices choices;
    choices.projectGroups = choices.templates = choices.phpFiles = false;
    choices.phpPath = root.filePath(QStringLiteral("missing/php"));
    EXPECT_TRUE(TFirstRunSetup::Apply(choices, *core, store));
    EXPECT_EQ(settings()->PHP()->PHPExeFile, QStringLiteral("/old/php"));

    const QString php = root.filePath(QStringLiteral("php"));
    writeFile(php, "");
    choices.phpPath = php;
    choices.noPHP = true;
    EXPECT_TRUE(TFirstRunSetup::Apply(choices, *core, store));
    EXPECT_EQ(settings()->PHP()->PHPExeFile, QStringLiteral("/old/php"));
    EXPECT_EQ(store.RegisteredVerbs(QStringLiteral(".qpg"), QStringLiteral("edit")), 0);
}

TEST_F(FirstRunSetupTest, AFailedSaveIsToldNamingTheSettingsFile)
{
    // A folder where the settings file should be: the write fails for root as well.
    const QString file = settings()->fileName();
    ASSERT_TRUE(QDir().mkpath(file));
    TFirstRunChoices choices;
    choices.projectGroups = choices.templates = choices.phpFiles = false;
    EXPECT_FALSE(TFirstRunSetup::Apply(choices, *core, store));
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts().first().text.contains(file));
}

TEST_F(FirstRunSetupTest, TheWizardWalksThePagesAndResetsEachOnEntry)
{
    TFirstRunDialog dialog(settings()->Browsers());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Willkommen bei Talvex Studio"));
    EXPECT_EQ(dialog.CurrentPage(), TFirstRunPages::fpWelcome);
    EXPECT_FALSE(dialog.BackButton()->isEnabled());
    EXPECT_EQ(dialog.NextButton()->text(), QStringLiteral("Weiter >"));

    dialog.NextButton()->click();
    EXPECT_EQ(dialog.CurrentPage(), TFirstRunPages::fpBrowsers);
    EXPECT_TRUE(dialog.BackButton()->isEnabled());
    EXPECT_EQ(dialog.TitleLabel()->text(), QStringLiteral("Browser einrichten"));
    EXPECT_TRUE(dialog.SearchButton()->isEnabled());
    EXPECT_TRUE(dialog.SearchReport()->isHidden());
    dialog.SearchBrowsers();
    EXPECT_FALSE(dialog.SearchButton()->isEnabled());
    EXPECT_FALSE(dialog.SearchReport()->isHidden());
    EXPECT_TRUE(dialog.SearchReport()->toPlainText().startsWith(QStringLiteral("Talvex Studio Browsersuche")));
    EXPECT_TRUE(dialog.SearchReport()->toPlainText().contains(QStringLiteral("Suche abgeschlossen.")));

    dialog.NextButton()->click();
    dialog.NextButton()->click();
    EXPECT_EQ(dialog.CurrentPage(), TFirstRunPages::fpPHP);
    EXPECT_EQ(dialog.PHPPathEdit()->text(), QStringLiteral("/usr/bin/php"));

    // An interpreter that does not exist: No stays, Yes goes on.
    dialog.PHPPathEdit()->setText(root.filePath(QStringLiteral("missing/php")));
    prompter.answerButton(TPromptButton::No);
    dialog.NextButton()->click();
    EXPECT_EQ(dialog.CurrentPage(), TFirstRunPages::fpPHP);
    prompter.answerButton(TPromptButton::Yes);
    dialog.NextButton()->click();
    EXPECT_EQ(dialog.CurrentPage(), TFirstRunPages::fpFinish);
    EXPECT_EQ(dialog.NextButton()->text(), QStringLiteral("Fertig stellen"));
    EXPECT_EQ(dialog.FooterLabel()->text(), QStringLiteral("Klicken Sie auf \"Fertig stellen\", um fortzufahren."));

    // Going back enters the PHP page anew.
    dialog.BackButton()->click();
    EXPECT_EQ(dialog.PHPPathEdit()->text(), QStringLiteral("/usr/bin/php"));
    dialog.NoPHPBox()->setChecked(true);
    dialog.NextButton()->click();
    EXPECT_EQ(dialog.CurrentPage(), TFirstRunPages::fpFinish);
    const TFirstRunChoices choices = dialog.Choices();
    EXPECT_TRUE(choices.noPHP);
    EXPECT_TRUE(choices.projectGroups && choices.templates && choices.phpFiles);
    dialog.NextButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(prompter.prompts().size(), 2);
}
