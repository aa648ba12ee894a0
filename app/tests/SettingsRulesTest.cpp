#include "TestSupport.h"
#include "editor/TScheme.h"
#include "editor/TSynMultiSyn.h"
#include "filetypes/TVYRAExtensionGroup.h"
#include "filetypes/TVYRAExtensions.h"
#include "filetypes/TVYRAFileExtension.h"
#include "filetypes/TXdgShellAssociationStore.h"
#include "firstrun/TBrowserFinder.h"
#include "highlighter/TSynMultiSynPCRE.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "settings/TFileTypeEditor.h"
#include "settings/THistoryCleaner.h"
#include "settings/TMultiHighlighterEditor.h"
#include "settings/TPhpVersionProbe.h"
#include "settings/TSystemIntegration.h"
#include "settings/TTalvexStudioBrowserSettings.h"
#include "settings/TTalvexStudioSearchSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TWebServerPath.h"
#include "snippets/TVYRAMRUList.h"
#include "ui/TScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

const QString PhpXml = QStringLiteral(R"(<?xml version="1.0"?>
<filetypes>
  <filetype name="PHP" type="egtOfficial">
    <defaulthighlighter>php</defaulthighlighter><editormode>True</editormode><isbinary>False</isbinary>
    <extension identifier="*.php" registermode="etBoth"/>
  </filetype>
</filetypes>)");

// The program's registries: plain text, the six languages, one PHP file type.
class SettingsRulesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
        AddStandardHighlighters(highlighters);
        extensions.LoadFromData(PhpXml.toUtf8(), true);
    }
    TIHighlighter *entry(const QString &name) const { return highlighters.FindHighlighter(name); }
    QString lastText() const { return prompter.prompts().isEmpty() ? QString() : prompter.prompts().last().text; }

    QTemporaryDir dir;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TIHighlighters highlighters{TSynMultiSynPCRE::factory()};
    TVYRAExtensions extensions{QStringLiteral("/opt/talvex"), &highlighters};
};

} // namespace

TEST_F(SettingsRulesTest, NewExtensionsAreCheckedAndTakeTheirGroupsTypeAndAreStoredWithIt)
{
    const QString file = dir.filePath(QStringLiteral("customfiletypes.xml"));
    TFileTypeEditor editor(extensions, file, prompter);
    TVYRAExtensionGroup *group = editor.NewGroup();
    ASSERT_TRUE(group);
    EXPECT_EQ(group->Name, QStringLiteral("Neue Dateierweiterungsgruppe"));
    EXPECT_EQ(group->DefaultHighlighter, highlighters.DefaultHighlighter());
    group->DefaultHighlighter = entry(QStringLiteral("xml"));

    for (const QString &bad : {QStringLiteral("tar-gz"), QStringLiteral(".txt"), QStringLiteral("ä"), QString()}) {
        EXPECT_EQ(editor.AddExtension(*group, bad), nullptr) << bad.toStdString();
        EXPECT_EQ(lastText(), QStringLiteral("Die Eingabe entspricht nicht dem gefoderten Format. Geben Sie die "
                                             "Dateiendung ohne Punkt ein und sonstige Sonderzeichen ein."));
    }
    // Extensions are compared without regard to case.
    EXPECT_EQ(editor.AddExtension(*group, QStringLiteral("PHP")), nullptr);
    EXPECT_EQ(lastText(), QStringLiteral("Die angegebene Dateierweiterung ist bereits vorhanden. Wählen Sie eine "
                                         "andere Dateierweiterung."));
    EXPECT_EQ(group->GetCount(), 0);

    prompter.answerText(QStringLiteral("XSD"));
    TVYRAFileExtension *added = editor.AskNewExtension(*group);
    ASSERT_TRUE(added);
    EXPECT_EQ(prompter.prompts().last().caption, QStringLiteral("Erweiterung eingeben"));
    EXPECT_EQ(extensions.FindExtension(QStringLiteral("*.xsd")), added);
    EXPECT_EQ(added->Group->DefaultHighlighter, entry(QStringLiteral("xml")));
    prompter.answerText(std::nullopt);
    EXPECT_EQ(editor.AskNewExtension(*group), nullptr);
    EXPECT_EQ(group->GetCount(), 1);

    EXPECT_FALSE(editor.SaveGroup(nullptr, QStringLiteral("x"), false));
    EXPECT_EQ(prompter.prompts().last().caption, QStringLiteral("Keine Gruppe ausgewählt."));
    EXPECT_EQ(lastText(), QStringLiteral("Bitte wählen Sie die Gruppe aus, die gespeichert werden soll."));
    EXPECT_FALSE(QFile::exists(file));

    ASSERT_TRUE(editor.SaveGroup(group, QStringLiteral("Schemata"), true));
    // Read back as the next start does: behind the official types.
    TVYRAExtensions reread(QStringLiteral("/opt/talvex"), &highlighters);
    reread.LoadFromData(PhpXml.toUtf8(), true);
    reread.LoadFromFile(file, false);
    ASSERT_EQ(reread.GetCount(), 2);
    const TVYRAFileExtension *xsd = reread.FindExtension(QStringLiteral("*.XSD"));
    ASSERT_TRUE(xsd);
    EXPECT_EQ(xsd->Group->Name, QStringLiteral("Schemata"));
    EXPECT_TRUE(xsd->Group->IsBinary);
    EXPECT_EQ(xsd->Group->DefaultHighlighter, entry(QStringLiteral("xml")));
    EXPECT_EQ(xsd->Group->GroupType, egtCustom);

    // Official types cannot be removed; the user's can.
    EXPECT_FALSE(editor.RemoveGroup(extensions.GetGroup(0)));
    EXPECT_TRUE(editor.RemoveGroup(group));
    EXPECT_EQ(extensions.GetCount(), 1);
}

TEST_F(SettingsRulesTest, NewMultiHighlighterNeedsThreeHighlightersAndIsBuiltFromTheSecondAndThird)
{
    const QString file = dir.filePath(QStringLiteral("multihighlighter.xml"));
    TIHighlighters few{TSynMultiSynPCRE::factory()};
    AddDefaultHighlighter(few, QStringLiteral("Kein"));
    EXPECT_EQ(TMultiHighlighterEditor(few, file, prompter).New(), nullptr);
    EXPECT_EQ(lastText(), QStringLiteral("Fehler beim Einrichten der Multi-Syntaxhervorhebung: Es stehen nicht "
                                         "genügend Hervorhebungen zur Verfügung."));
    EXPECT_EQ(few.GetHighlighterCount(), 1);

    TMultiHighlighterEditor editor(highlighters, file, prompter);
    TIHighlighter *multi = editor.New();
    ASSERT_TRUE(multi);
    EXPECT_EQ(multi->LongName(), QStringLiteral("Multihighlighter"));
    EXPECT_EQ(multi->ShortName(), QStringLiteral("multihighlighter"));
    EXPECT_TRUE(TMultiHighlighterEditor::IsDefault(*multi, *entry(QStringLiteral("html"))));
    ASSERT_EQ(multi->MultiHighlighter()->schemeCount(), 1);
    EXPECT_TRUE(TMultiHighlighterEditor::SchemeOf(*multi, *entry(QStringLiteral("php"))));
    EXPECT_EQ(editor.MultiHighlighters(), QList<TIHighlighter *>{multi});
    // The check list: every single language, the plain-text entry not.
    EXPECT_EQ(editor.SingleHighlighters().size(), 6);

    // A second one gets a free short name.
    TIHighlighter *second = editor.New();
    ASSERT_TRUE(second);
    EXPECT_NE(second->ShortName(), multi->ShortName());

    prompter.answerButton(TPromptButton::No);
    EXPECT_FALSE(editor.Remove(second));
    prompter.answerButton(TPromptButton::Yes);
    EXPECT_TRUE(editor.Remove(second));
    EXPECT_EQ(prompter.prompts().last().text, QStringLiteral("Möchten Sie die ausgewählte Hervorhebung wirklich entfernen?"));
    EXPECT_EQ(editor.MultiHighlighters().size(), 1);
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(SettingsRulesTest, UntickingOrChangingTheDefaultNeverLeavesAHighlighterBothDefaultAndEmbedded)
{
    TMultiHighlighterEditor editor(highlighters, dir.filePath(QStringLiteral("multihighlighter.xml")), prompter);
    TIHighlighter &multi = *editor.New(); // html default, php embedded
    TIHighlighter &html = *entry(QStringLiteral("html"));
    TIHighlighter &php = *entry(QStringLiteral("php"));
    TIHighlighter &css = *entry(QStringLiteral("css"));

    // With only one scheme left there would be no multi-highlighter any more.
    EXPECT_FALSE(editor.Untick(multi, html));
    EXPECT_EQ(lastText(), QStringLiteral("Der Standard-Highlighter kann nicht als letztes Element entfernt werden."));
    EXPECT_FALSE(editor.Untick(multi, php));
    EXPECT_EQ(multi.MultiHighlighter()->schemeCount(), 1);

    EXPECT_TRUE(editor.Tick(multi, css));
    EXPECT_FALSE(editor.Tick(multi, css));
    ASSERT_EQ(multi.MultiHighlighter()->schemeCount(), 2);

    // The first scheme's highlighter becomes the default and leaves the schemes.
    EXPECT_TRUE(editor.Untick(multi, html));
    EXPECT_TRUE(TMultiHighlighterEditor::IsDefault(multi, php));
    EXPECT_EQ(TMultiHighlighterEditor::SchemeOf(multi, php), nullptr);
    EXPECT_FALSE(TMultiHighlighterEditor::IsTicked(multi, html));
    ASSERT_EQ(multi.MultiHighlighter()->schemeCount(), 1);
    EXPECT_EQ(multi.MultiHighlighter()->scheme(0).highlighter(), css.GetHighlighter());

    EXPECT_FALSE(editor.MakeDefault(multi, php));
    EXPECT_EQ(lastText(), QStringLiteral("Der aktuelle Highlighter ist bereits als Standard festgelegt."));
    EXPECT_TRUE(editor.Tick(multi, html));
    EXPECT_TRUE(editor.MakeDefault(multi, html));
    EXPECT_TRUE(TMultiHighlighterEditor::IsDefault(multi, html));
    EXPECT_EQ(TMultiHighlighterEditor::SchemeOf(multi, html), nullptr);
    EXPECT_FALSE(TMultiHighlighterEditor::IsTicked(multi, php));
    EXPECT_TRUE(TMultiHighlighterEditor::SchemeOf(multi, css));
}

TEST_F(SettingsRulesTest, EmbeddingIsCheckedAndTheSchemeSurvivesSavingAndLoading)
{
    const QString file = dir.filePath(QStringLiteral("multihighlighter.xml"));
    TMultiHighlighterEditor editor(highlighters, file, prompter);
    TIHighlighter &multi = *editor.New();
    TIHighlighter &php = *entry(QStringLiteral("php"));

    EXPECT_FALSE(editor.ApplyEmbedding(multi, php, {QStringLiteral("<\\?"), QStringLiteral("("), 0, {}, {}}));
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("Regular Expression \"(\" invalid.\r\nError details: ")))
        << lastText().toStdString();
    const TScheme &scheme = *TMultiHighlighterEditor::SchemeOf(multi, php);
    EXPECT_TRUE(scheme.startExpr().isEmpty());
    EXPECT_TRUE(scheme.endExpr().isEmpty());

    ASSERT_TRUE(editor.ApplyEmbedding(multi, php, {QStringLiteral("phpstartexpr"), QStringLiteral("phpendexpr"),
                                                   fsBold | fsItalic, QColor(255, 0, 0), QColor(0, 0, 255)}));
    ASSERT_TRUE(editor.SaveScheme(multi, QStringLiteral("Mein HTML")));
    EXPECT_EQ(multi.LongName(), QStringLiteral("Mein HTML"));
    EXPECT_EQ(multi.ShortName(), QStringLiteral("multi_php"));

    TIHighlighters reread{TSynMultiSynPCRE::factory()};
    AddDefaultHighlighter(reread, QStringLiteral("Kein"));
    AddStandardHighlighters(reread);
    reread.InitialiseMultiHighlighters(file);
    const TIHighlighter *loaded = reread.FindHighlighter(QStringLiteral("multi_php"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->LongName(), QStringLiteral("Mein HTML"));
    EXPECT_EQ(loaded->GetHighlighter(), reread.FindHighlighter(QStringLiteral("html"))->GetHighlighter());
    ASSERT_EQ(loaded->MultiHighlighter()->schemeCount(), 1);
    const TMultiHighlighterEditor::TEmbedding embedding =
        TMultiHighlighterEditor::EmbeddingOf(loaded->MultiHighlighter()->scheme(0));
    EXPECT_EQ(embedding.startExpr, QStringLiteral("phpstartexpr"));
    EXPECT_EQ(embedding.endExpr, QStringLiteral("phpendexpr"));
    EXPECT_EQ(embedding.style, unsigned(fsBold | fsItalic));
    EXPECT_EQ(embedding.foreground, QColor(255, 0, 0));
    EXPECT_EQ(embedding.background, QColor(0, 0, 255));
}

TEST_F(SettingsRulesTest, BrowserSearchReportAndProgramCheck)
{
    QTemporaryDir bin;
    const QString firefox = bin.filePath(QStringLiteral("firefox"));
    writeFile(firefox, "#!/bin/sh\n");
    QFile::setPermissions(firefox, QFile::permissions(firefox) | QFile::ExeOwner | QFile::ExeUser);

    TTalvexStudioBrowserSettings browsers;
    const QList<TFoundBrowser> found = TBrowserFinder::Find({bin.path()});
    EXPECT_EQ(TBrowserFinder::Report(TBrowserFinder::Store(found, browsers)),
              QStringLiteral("Suchergebnis der Browsersuche:\r\nBrowser \"Mozilla Firefox\" gefunden: %1 ... "
                             "gespeichert.\r\nSuche abgeschlossen.\r\n")
                  .arg(firefox));
    EXPECT_EQ(TBrowserFinder::Report(TBrowserFinder::Store(found, browsers)),
              QStringLiteral("Suchergebnis der Browsersuche:\r\nBrowser \"Mozilla Firefox\" gefunden: %1 ... "
                             "bereits vorhanden.\r\nSuche abgeschlossen.\r\n")
                  .arg(firefox));
    EXPECT_EQ(browsers.Count(), 1);
    EXPECT_EQ(TBrowserFinder::Report(TBrowserFinder::Store(TBrowserFinder::Find({dir.path()}), browsers)),
              QStringLiteral("Suchergebnis der Browsersuche:\r\nSuche abgeschlossen. Es liegen keine Ergebnisse vor.\r\n"));

    // Linux programs have no ".exe"; folders and missing files are no programs.
    EXPECT_TRUE(TBrowserFinder::IsProgram(firefox));
    EXPECT_FALSE(TBrowserFinder::IsProgram(bin.path()));
    EXPECT_FALSE(TBrowserFinder::IsProgram(bin.filePath(QStringLiteral("opera.exe"))));
    EXPECT_FALSE(TBrowserFinder::IsProgram(QString()));
}

TEST_F(SettingsRulesTest, WebServerPathMustBeAnExistingFolder)
{
    EXPECT_EQ(TWebServerPath::Check(dir.path()), QString());
    EXPECT_EQ(TWebServerPath::Check(QStringLiteral("/")), QString());
    const QString missing = dir.filePath(QStringLiteral("www"));
    EXPECT_EQ(TWebServerPath::Check(missing),
              QStringLiteral("Das Verzeichnis \"%1\" ist nicht gültig. Überprüfen Sie, ob das ausgewählte Verzeichnis "
                             "existiert und Sie ausreichende Zugriffsberechtigungen besitzen und versuchen Sie es "
                             "erneut.")
                  .arg(missing));
    writeFile(missing, "no folder");
    EXPECT_NE(TWebServerPath::Check(missing), QString());
}

TEST_F(SettingsRulesTest, ClearingTheHistoriesWritesThemAtOnce)
{
    const QString recentFile = dir.filePath(QStringLiteral("recent.xml"));
    TVYRAMRUList recent(recentFile);
    recent.ExpandList(QStringLiteral("/tmp/a.php"));
    recent.ExpandList(QStringLiteral("/tmp/b.php"));
    ASSERT_EQ(TVYRAMRUList(recentFile).GetCount(), 2);
    EXPECT_TRUE(THistoryCleaner::ClearFileHistory(recent, prompter));
    EXPECT_EQ(TVYRAMRUList(recentFile).GetCount(), 0);
    EXPECT_EQ(lastText(), QStringLiteral("Der Datei-Verlauf wurde erfolgreich gelöscht."));
    EXPECT_EQ(prompter.prompts().last().caption, QStringLiteral("Information"));

    const QString settingsFile = dir.filePath(QStringLiteral("settings.xml"));
    TTalvexStudioSettings settings(settingsFile, false);
    settings.Search()->SearchHistory = QStringList{QStringLiteral("needle"), QStringLiteral("haystack")};
    ASSERT_TRUE(settings.Save());
    EXPECT_TRUE(THistoryCleaner::ClearSearchHistory(settings, prompter));
    EXPECT_TRUE(TTalvexStudioSettings(settingsFile, true).Search()->SearchHistory.isEmpty());
}

TEST_F(SettingsRulesTest, PhpVersionLineComesFromTheInterpreter)
{
    TPhpVersionProbe probe;
    QSignalSpy spy(&probe, &TPhpVersionProbe::finished);
    probe.Start(dir.filePath(QStringLiteral("php")));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("Datei nicht gefunden."));

    QProcess php;
    php.start(QStringLiteral("php"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("echo PHP_VERSION;")});
    ASSERT_TRUE(php.waitForFinished(10000));
    const QString version = QString::fromUtf8(php.readAllStandardOutput());
    ASSERT_FALSE(version.isEmpty());

    probe.Start(QStringLiteral("/usr/bin/php"));
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_EQ(spy.last().at(0).toString(), QStringLiteral("Version: ") + version);

    // A program that is no PHP gives no made-up version.
    probe.Start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_EQ(spy.last().at(0).toString(), QStringLiteral("Version: unbekannt"));
    EXPECT_EQ(TPhpVersionProbe::VersionFromOutput("Zend Engine v4.2"), QString());
}

TEST_F(SettingsRulesTest, SystemIntegrationRegistersInTheUsersAssociationFilesOnly)
{
    TXdgShellAssociationStore store(QStringLiteral("/opt/talvex/bin/TalvexStudio"), dir.filePath(QStringLiteral("config")),
                                    dir.filePath(QStringLiteral("data")));
    const TVYRAFileExtension &php = *extensions.FindExtension(QStringLiteral("*.php"));
    EXPECT_EQ(TSystemIntegration::Register(php, TSystemIntegration::EditMode, QString(), store), QString());
    EXPECT_EQ(store.RegisteredVerbs(QStringLiteral(".php"), QString::fromLatin1(TSystemIntegration::EditVerb)), 2);

    const QString icon = dir.filePath(QStringLiteral("php.png"));
    writeFile(icon, "png");
    EXPECT_EQ(TSystemIntegration::Register(php, TSystemIntegration::OpenMode, icon, store), QString());
    EXPECT_EQ(store.RegisteredVerbs(QStringLiteral(".php"), QString::fromLatin1(TSystemIntegration::EditVerb)), 3);
    // The chosen icon is for this registration only.
    EXPECT_TRUE(php.IconPath.isEmpty());
    bool iconWritten = false;
    for (const QString &entry : QDir(store.ApplicationsDir()).entryList(QDir::Files))
        iconWritten = iconWritten || readFile(QDir(store.ApplicationsDir()).filePath(entry)).contains(icon.toUtf8());
    EXPECT_TRUE(iconWritten);

    // A pattern whose type allows no verb is refused, naming it.
    TVYRAFileExtension none(QStringLiteral("*.dat"), {}, {}, {}, nullptr, etNone);
    EXPECT_EQ(TSystemIntegration::Register(none, TSystemIntegration::OpenMode, QString(), store),
              QStringLiteral("Die Dateierweiterung \".dat\" konnte nicht beim Desktop registriert werden."));
}
