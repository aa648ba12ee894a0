#include "editor/TSynMultiSyn.h"
#include "facade/TEditorChoice.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "settings/TTalvexStudioSettings.h"
#include "ui/TScriptedPrompter.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

class StudioSettingsTest : public ::testing::Test
{
protected:
    QString file() const { return m_dir.filePath(QStringLiteral("settings.xml")); }

    static QStringList dockNames(const TTalvexStudioSettings &settings)
    {
        QStringList names;
        for (int i = 0; i < settings.Docks()->DockItems()->Count(); ++i)
            names.append(settings.Docks()->DockItems()->Items(i)->ComponentName);
        return names;
    }
    static QStringList toolbarNames(const TTalvexStudioSettings &settings)
    {
        QStringList names;
        for (int i = 0; i < settings.Toolbars()->Count(); ++i)
            names.append(settings.Toolbars()->Items(i)->ComponentName);
        return names;
    }

    QTemporaryDir m_dir;
    TScriptedPrompter m_prompter;
    TPrompterScope m_scope{m_prompter};
};

const QStringList DefaultDocks = {
    QStringLiteral("tbFileExplorer"), QStringLiteral("tbPHPMessages"),     QStringLiteral("tbToDoList"),
    QStringLiteral("tbProjectExplorer"), QStringLiteral("tbCodeBrowser"), QStringLiteral("tbWebPalette"),
    QStringLiteral("tbTagInspector"), QStringLiteral("tbCodeSnippets"),    QStringLiteral("tbCharTab"),
};
const QStringList DefaultToolbars = {
    QStringLiteral("ttbFileBar"),   QStringLiteral("ttbEditBar"),     QStringLiteral("tbtPrintBar"),
    QStringLiteral("tbtFormatBar"), QStringLiteral("tbtSearchBar"),   QStringLiteral("tbtAdvancedBar"),
    QStringLiteral("tbtProjectList"), QStringLiteral("tbtMdiWindowList"),
};

QByteArray studioFile(const QByteArray &body)
{
    return "<talvexstudiosettings>" + body + "</talvexstudiosettings>";
}

} // namespace

TEST_F(StudioSettingsTest, AFreshObjectHoldsTheStudioDefaults)
{
    TTalvexStudioSettings settings(file(), true);
    EXPECT_EQ(settings.RootName(), QStringLiteral("talvexstudiosettings"));
    EXPECT_EQ(dockNames(settings), DefaultDocks);
    EXPECT_EQ(toolbarNames(settings), DefaultToolbars);
    const TTalvexStudioDockElement *dock = settings.Docks()->DockItems()->GetDockSettings(QStringLiteral("tbCodeBrowser"));
    ASSERT_NE(dock, nullptr);
    EXPECT_TRUE(dock->Visible);
    EXPECT_EQ(dock->DockedAt, dsLeft);
    EXPECT_EQ(dock->PositionIdx, 1);
    const TTalvexStudioToolbarItem *bar = settings.Toolbars()->GetToolbarSettings(QStringLiteral("tbtSearchBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Visible);
    EXPECT_FALSE(bar->IsFloating);
    EXPECT_EQ(bar->Dock, bpTop);
    EXPECT_EQ(bar->DockPos, 306);
    EXPECT_EQ(bar->DockRow, 1);
    EXPECT_EQ(bar->Width, 79);

    EXPECT_EQ(settings.View()->Views, TViewControlSet(vcTabIcon));
    EXPECT_TRUE(settings.View()->StartMaximized);
    EXPECT_TRUE(settings.View()->ReLoadDocsOnStartUp);
    EXPECT_FALSE(settings.View()->MultiLineDocumentBar);
    EXPECT_EQ(settings.Docks()->LeftQuickbar()->Size, 244);
    EXPECT_EQ(settings.Docks()->BottomQuickbar()->Size, 172);
    EXPECT_EQ(settings.Docks()->RightQuickbar()->Size, 244);
    EXPECT_TRUE(settings.Docks()->RightQuickbar()->Visible);
    EXPECT_EQ(settings.PHP()->PHPExeFile, QStringLiteral("/usr/bin/php"));
    EXPECT_EQ(settings.PHP()->WebServerPath, QStringLiteral("/var/www/html/"));
    EXPECT_TRUE(settings.DefaultEditor()->WordWrap);
    EXPECT_EQ(settings.DefaultEditor()->DefaultHighlighter, QStringLiteral("multi_htmlphpcssjavascript"));
    EXPECT_TRUE(settings.Editor()->HighlightBrackets);
    EXPECT_EQ(settings.Editor()->BracketForegroundColor, 0x1FFFFFFF);
    EXPECT_EQ(settings.Editor()->BracketBackgroundColor, 0x00FFFF00);
    EXPECT_EQ(settings.Editor()->SynLineForeColor, 0x00FFFFFF);
    EXPECT_EQ(settings.Editor()->SynLineBackColor, 0x00A56D53);
    EXPECT_EQ(settings.Editor()->SynActiveLineColor, 0x00EAFFFF);
    EXPECT_TRUE(settings.Advanced()->WarnUnsupportedFileOpenAttempt);
    EXPECT_TRUE(settings.Advanced()->CheckUpdatesOnStart);
    EXPECT_TRUE(settings.Completion()->CodeCompletionEnabled);
    EXPECT_TRUE(settings.Completion()->QuickTemplatesEnabled);
    EXPECT_EQ(settings.Completion()->CloseCharTypes, TTalvexStudioCompletionSettings::AllCloseCharTypes);
    EXPECT_EQ(settings.Browsers()->Count(), 0);
    EXPECT_EQ(settings.CustomShortcuts()->Count(), 0);
    EXPECT_TRUE(settings.FontGroups.isEmpty());
    // The inherited groups keep their framework defaults.
    EXPECT_EQ(settings.AutoSave()->Intervall, 60);
    EXPECT_EQ(settings.DateTimeFormats.size(), 8);
}

// A new document gets the default highlighter by its short name; the shipped
// data must hold it, or every new document would fall back to plain text.
TEST_F(StudioSettingsTest, TheDefaultHighlighterIsAShippedMultiHighlighter)
{
    TTalvexStudioSettings settings(file(), true);
    TIHighlighters highlighters;
    AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
    TVYRAExtensions extensions(QString(), &highlighters);
    const QString shipped = TestSupport::sourceDir() + QStringLiteral("/data/shipped");
    InitialiseRegistries(highlighters, extensions, shipped + QStringLiteral("/Highlighters"), shipped,
                         m_dir.path());
    const TIHighlighter *entry = highlighters.FindHighlighter(settings.DefaultEditor()->DefaultHighlighter);
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->IsMultiHighlighter());
    EXPECT_EQ(entry->MultiHighlighter()->schemeCount(), 3);
}

TEST_F(StudioSettingsTest, ResettingTwiceKeepsOneSetOfDefaultItems)
{
    TTalvexStudioSettings settings(file(), false);
    settings.Docks()->DockItems()->GetDockSettings(QStringLiteral("tbToDoList"))->Visible = false;
    settings.Browsers()->Add()->BrowserName = QStringLiteral("Firefox");
    settings.ResetDefaultSettings();
    settings.ResetDefaultSettings();
    EXPECT_EQ(dockNames(settings), DefaultDocks);
    EXPECT_EQ(toolbarNames(settings), DefaultToolbars);
    EXPECT_TRUE(settings.Docks()->DockItems()->GetDockSettings(QStringLiteral("tbToDoList"))->Visible);
    EXPECT_EQ(settings.Browsers()->Count(), 0);
}

TEST_F(StudioSettingsTest, StoredListsReplaceTheDefaultsHoweverOftenTheyAreLoaded)
{
    writeFile(file(), studioFile("<Toolbars>"
                                 "<item><ComponentName>ttbFileBar</ComponentName><Visible>False</Visible>"
                                 "<Dock>bpLeft</Dock><Width>40</Width></item>"
                                 "<item><ComponentName>tbtSearchBar</ComponentName><IsFloating>True</IsFloating></item>"
                                 "</Toolbars>"));
    TTalvexStudioSettings settings(file(), true);
    settings.Load(); // the core loads once more after construction
    settings.Load();
    EXPECT_EQ(toolbarNames(settings), (QStringList{QStringLiteral("ttbFileBar"), QStringLiteral("tbtSearchBar")}));
    EXPECT_FALSE(settings.Toolbars()->Items(0)->Visible);
    EXPECT_EQ(settings.Toolbars()->Items(0)->Dock, bpLeft);
    EXPECT_EQ(settings.Toolbars()->Items(0)->Width, 40);
    EXPECT_TRUE(settings.Toolbars()->Items(1)->IsFloating);
    // A file without the dock items has none.
    EXPECT_EQ(settings.Docks()->DockItems()->Count(), 0);
}

TEST_F(StudioSettingsTest, AFileOfAnotherRootLeavesTheCollectionsAlone)
{
    const QByteArray foreign = "<VYRASettings><Toolbars/></VYRASettings>";
    writeFile(file(), foreign);
    TTalvexStudioSettings settings(file(), true);
    settings.Load();
    EXPECT_EQ(dockNames(settings), DefaultDocks);
    EXPECT_EQ(toolbarNames(settings), DefaultToolbars);
    EXPECT_FALSE(settings.Save());
    EXPECT_EQ(readFile(file()), foreign);
}

TEST_F(StudioSettingsTest, ADamagedFileGivesTheFullDefaults)
{
    writeFile(file(), studioFile("<Toolbars><item>").left(40));
    TTalvexStudioSettings settings(file(), true);
    EXPECT_EQ(dockNames(settings), DefaultDocks);
    EXPECT_EQ(toolbarNames(settings), DefaultToolbars);
    EXPECT_EQ(m_prompter.prompts().size(), 1);
    TTalvexStudioSettings reloaded(file(), true);
    EXPECT_EQ(toolbarNames(reloaded), DefaultToolbars);
}

TEST_F(StudioSettingsTest, ConditionalPropertiesAreWrittenOnlyWhileTheirSwitchIsOn)
{
    TTalvexStudioSettings settings(file(), false);
    settings.Docks()->FileExplorerSettings()->FileExplorerPath = QStringLiteral("/home/user/web");
    settings.Editor()->HighlightBrackets = false;
    ASSERT_TRUE(settings.Save());
    QByteArray saved = readFile(file());
    EXPECT_FALSE(saved.contains("FileExplorerPath"));
    EXPECT_FALSE(saved.contains("BracketForegroundColor"));
    EXPECT_FALSE(saved.contains("BracketBackgroundColor"));
    EXPECT_FALSE(saved.contains("SkipDefaultGroupSaveDialog"));

    settings.Docks()->FileExplorerSettings()->StorePath = true;
    settings.Editor()->HighlightBrackets = true;
    settings.Editor()->BracketBackgroundColor = 0x123456;
    settings.View()->SkipDefaultGroupSaveDialog = true;
    ASSERT_TRUE(settings.Save());
    saved = readFile(file());
    EXPECT_TRUE(saved.contains("<FileExplorerPath>/home/user/web</FileExplorerPath>"));
    EXPECT_TRUE(saved.contains("<BracketBackgroundColor>1193046</BracketBackgroundColor>"));
    EXPECT_TRUE(saved.contains("<SkipDefaultGroupSaveDialog>True</SkipDefaultGroupSaveDialog>"));

    TTalvexStudioSettings reloaded(file(), true);
    EXPECT_EQ(reloaded.Docks()->FileExplorerSettings()->FileExplorerPath, QStringLiteral("/home/user/web"));
    EXPECT_EQ(reloaded.Editor()->BracketBackgroundColor, 0x123456);
    EXPECT_TRUE(reloaded.View()->SkipDefaultGroupSaveDialog);
}

TEST_F(StudioSettingsTest, FrameworkPartsKeptOutOfTheStudioFileAreNeverWrittenNorRead)
{
    TTalvexStudioSettings settings(file(), false);
    settings.Advanced()->AutoDetectFileType = true;
    ASSERT_TRUE(settings.Save());
    const QByteArray saved = readFile(file());
    for (const char *name : {"UpdateUrl", "SiteUrl", "AutoDetectFileType", "CipherSettings", "UserDefinedText"})
        EXPECT_FALSE(saved.contains(name)) << name;
    EXPECT_TRUE(saved.contains("<Completion />"));

    writeFile(file(), studioFile("<CipherSettings><DefaultCipher>Blowfish</DefaultCipher></CipherSettings>"
                                 "<Advanced><SiteUrl>http://x.invalid/</SiteUrl>"
                                 "<CheckUpdatesOnStart>False</CheckUpdatesOnStart></Advanced>"));
    TTalvexStudioSettings reloaded(file(), true);
    EXPECT_EQ(reloaded.CipherSettings()->DefaultCipher, QStringLiteral("Rijndael"));
    EXPECT_NE(reloaded.Advanced()->SiteUrl, QStringLiteral("http://x.invalid/"));
    EXPECT_FALSE(reloaded.Advanced()->CheckUpdatesOnStart);
}

TEST_F(StudioSettingsTest, EveryGroupRoundTripsToTheSameBytes)
{
    TTalvexStudioSettings settings(file(), false);
    ASSERT_TRUE(settings.Save());
    const QByteArray defaults = readFile(file());
    {
        TTalvexStudioSettings reloaded(file(), true);
        ASSERT_TRUE(reloaded.Save());
        EXPECT_EQ(readFile(file()), defaults);
    }

    settings.View()->Views = {};
    settings.View()->VisualStyle = QStringLiteral("Fusion");
    settings.Search()->SearchHistory = {QStringLiteral("foo bar"), QStringLiteral("<?php")};
    settings.Search()->LastOptions = xsoCaseSensitive | xsoReplacePrompt;
    settings.Docks()->LeftQuickbar()->DockRow = 2;
    settings.Docks()->WebpaletteSettings()->SetCategoryButtonSettings(QStringLiteral("HTML"), 1, true);
    settings.Docks()->CodeSnippetSettings()->SetCategoryButtonSettings(QStringLiteral("PHP"), 0, false);
    settings.Docks()->FileExplorerSettings()->ShowAllFiles = true;
    settings.PHP()->PreviewUnknownExt = true;
    TTalvexStudioBrowser *browser = settings.Browsers()->Add();
    browser->BrowserName = QStringLiteral("Firefox");
    browser->Path = QStringLiteral("/usr/bin/firefox");
    browser->ParamString = QStringLiteral("--new-tab \"%s\"");
    settings.CustomShortcuts()->SetSettingsItem(QStringLiteral("actSave"), 0x4000 + 'S');
    settings.FontGroups = {QStringLiteral("Arial, Helvetica, sans-serif")};
    settings.DefaultEditor()->WordWrap = false;
    ASSERT_TRUE(settings.Save());
    const QByteArray changed = readFile(file());
    EXPECT_TRUE(changed.contains("<LastOptions>[xsoCaseSensitive,xsoReplacePrompt]</LastOptions>"));
    EXPECT_TRUE(changed.contains("<Views>[]</Views>"));

    TTalvexStudioSettings reloaded(file(), true);
    EXPECT_EQ(reloaded.Search()->LastOptions, xsoCaseSensitive | xsoReplacePrompt);
    EXPECT_EQ(reloaded.Browsers()->IndexOfFileName(QStringLiteral("/usr/bin/firefox")), 0);
    EXPECT_EQ(reloaded.CustomShortcuts()->GetSettingsItem(QStringLiteral("actSave"))->Shortcut, 0x4000 + 'S');
    EXPECT_TRUE(reloaded.Docks()->WebpaletteSettings()->GetCategoryButtonSettings(QStringLiteral("HTML"))->IsCollapsed);
    EXPECT_EQ(reloaded.FontGroups, settings.FontGroups);
    ASSERT_TRUE(reloaded.Save());
    EXPECT_EQ(readFile(file()), changed);
}

TEST_F(StudioSettingsTest, KeyedLookupsFindAndUpdateInsteadOfDuplicating)
{
    TTalvexStudioSettings settings(file(), false);
    TTalvexStudioDockItems *docks = settings.Docks()->DockItems();
    EXPECT_EQ(docks->GetDockSettings(QStringLiteral("tbNothing")), nullptr);
    docks->SetDockSettings(QStringLiteral("tbCharTab"), false, dsLeft, 7);
    docks->SetDockSettings(QStringLiteral("tbNew"), true, dsBottom, 3);
    EXPECT_EQ(docks->Count(), 10);
    EXPECT_EQ(docks->GetDockSettings(QStringLiteral("tbCharTab"))->PositionIdx, 7);
    EXPECT_EQ(docks->GetDockSettings(QStringLiteral("tbNew"))->DockedAt, dsBottom);
    EXPECT_EQ(docks->GetDockSettings(QStringLiteral("tbnew")), nullptr);

    settings.Toolbars()->SetToolbarSettings(QStringLiteral("ttbEditBar"), true, false, bpRight, 5, 6, 7);
    EXPECT_EQ(settings.Toolbars()->Count(), 8);
    EXPECT_TRUE(settings.Toolbars()->GetToolbarSettings(QStringLiteral("ttbEditBar"))->IsFloating);

    TTalvexStudioShortcutSettings *shortcuts = settings.CustomShortcuts();
    shortcuts->SetSettingsItem(QStringLiteral("actFind"), 1);
    shortcuts->SetSettingsItem(QStringLiteral("actFind"), 2);
    EXPECT_EQ(shortcuts->Count(), 1);
    EXPECT_EQ(shortcuts->GetSettingsItem(QStringLiteral("actFind"))->Shortcut, 2);

    TTalvexStudioBrowserSettings *browsers = settings.Browsers();
    EXPECT_EQ(browsers->IndexOf(QStringLiteral("Firefox")), -1);
    browsers->Add()->BrowserName = QStringLiteral("Chromium");
    browsers->Add()->BrowserName = QStringLiteral("Firefox");
    browsers->Add()->BrowserName = QStringLiteral("Firefox");
    EXPECT_EQ(browsers->IndexOf(QStringLiteral("Firefox")), 1);
    EXPECT_EQ(browsers->IndexOf(QStringLiteral("firefox")), -1);
    EXPECT_EQ(browsers->Items(1)->Index(), 1);
}

TEST(StudioCompletionSettings, ClosingCharacters)
{
    EXPECT_EQ(TTalvexStudioCompletionSettings::GetClosingChar(u'{'), QChar(u'}'));
    EXPECT_EQ(TTalvexStudioCompletionSettings::GetClosingChar(u'('), QChar(u')'));
    EXPECT_EQ(TTalvexStudioCompletionSettings::GetClosingChar(u'<'), QChar(u'>'));
    EXPECT_EQ(TTalvexStudioCompletionSettings::GetClosingChar(u'"'), QChar(u'"'));
    EXPECT_EQ(TTalvexStudioCompletionSettings::GetClosingChar(u'\''), QChar(u'\''));
    EXPECT_EQ(TTalvexStudioCompletionSettings::GetClosingChar(u'a'), QChar(0));
    EXPECT_EQ(TTalvexStudioCompletionSettings::GetClosingChar(u'}'), QChar(0));
}

TEST_F(StudioSettingsTest, TheFactoryMakesStudioSettings)
{
    std::unique_ptr<TVYRASettings> settings = TTalvexStudioSettings::factory()(file(), true);
    auto *studio = qobject_cast<TTalvexStudioSettings *>(settings.get());
    ASSERT_NE(studio, nullptr);
    EXPECT_EQ(studio->Toolbars()->Count(), 8);
    ASSERT_TRUE(settings->Save());
    EXPECT_TRUE(readFile(file()).contains("<talvexstudiosettings>"));
}
