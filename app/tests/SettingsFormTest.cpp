#include "ShippedDataFolders.h"
#include "TestSupport.h"
#include "editor/TSynCustomHighlighter.h"
#include "editor/TSynHighlighterAttributes.h"
#include "filetypes/TVYRAExtensionGroup.h"
#include "filetypes/TVYRAExtensions.h"
#include "framework/TVYRACore.h"
#include "highlighters/THighlighterAttributeFile.h"
#include "highlighters/TIHighlighter.h"
#include "settings/TBrowserSettingsPage.h"
#include "settings/TCodeEditorPage.h"
#include "settings/TCustomizeFileTypes.h"
#include "settings/TEditorStandardsPage.h"
#include "settings/TFileTypesPage.h"
#include "settings/THighlighterStylesPage.h"
#include "settings/TMultiHighlighterPage.h"
#include "settings/TPhpSettingsPage.h"
#include "settings/TSettingsForm.h"
#include "settings/TSettingsPageList.h"
#include "settings/TSnippetsPage.h"
#include "settings/TTalvexStudioBrowserSettings.h"
#include "settings/TTalvexStudioDefaultEditor.h"
#include "settings/TTalvexStudioEditorSettings.h"
#include "settings/TTalvexStudioPHPSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "snippets/TSnippet.h"
#include "snippets/TSnippetGroup.h"
#include "snippets/TSnippets.h"
#include "startup/TProgramCore.h"
#include "ui/TScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// The dialog over a core made as the program makes it, without the main window.
class SettingsFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        core = programCore.Create(shippedDataFolders(root));
        settings = qobject_cast<TTalvexStudioSettings *>(core->Settings());
        ASSERT_TRUE(settings);
        form = std::make_unique<TSettingsForm>(*core, *settings);
    }
    QString userFile(const QString &name) const { return QDir(core->UserDataDir()).filePath(name); }
    QString lastText() const { return prompter.prompts().isEmpty() ? QString() : prompter.prompts().last().text; }

    QTemporaryDir root;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    TTalvexStudioSettings *settings = nullptr;
    std::unique_ptr<TSettingsForm> form;
};

} // namespace

TEST_F(SettingsFormTest, OpensOnTheAskedPageOrTheFirstAndAnyChangeEnablesApply)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Talvex Studio - Einstellungen"));
    ASSERT_EQ(form->Navigation()->topLevelItemCount(), TSettingsPageList::PageCount);
    EXPECT_EQ(form->Navigation()->topLevelItem(9)->text(0), QStringLiteral("Systemintegration"));

    form->Prepare(TSettingsPageList::Snippets);
    EXPECT_EQ(form->CurrentPage(), TSettingsPageList::Snippets);
    EXPECT_FALSE(form->ApplyButton()->isEnabled());
    for (int outside : {int(TSettingsPageList::PageCount), 42, -1}) {
        form->Prepare(outside);
        EXPECT_EQ(form->CurrentPage(), TSettingsPageList::Editor) << outside;
        EXPECT_EQ(form->Navigation()->currentItem(), form->Navigation()->topLevelItem(0));
    }

    form->Page<TCodeEditorPage>()->TabWidthBox()->setValue(7);
    EXPECT_TRUE(form->ApplyButton()->isEnabled());
    // Each opening loads the stored values again.
    form->Prepare(0);
    EXPECT_FALSE(form->ApplyButton()->isEnabled());
    EXPECT_EQ(form->Page<TCodeEditorPage>()->TabWidthBox()->value(), settings->Editor()->SynTabWidth);
}

TEST_F(SettingsFormTest, ApplyWritesTheSettingsAndSnippetsFiles)
{
    form->Prepare(0);
    form->Page<TEditorStandardsPage>()->SizeBox()->setValue(15);
    form->Page<TCodeEditorPage>()->TabWidthBox()->setValue(3);

    TSnippetsPage &snippets = *form->Page<TSnippetsPage>();
    const int before = core->Snippets()->RootGroup()->GetSnippetCount();
    for (QPushButton *button : snippets.findChildren<QPushButton *>())
        if (button->text() == QStringLiteral("Neues Snippet")) {
            snippets.Tree()->setCurrentItem(nullptr);
            button->click();
        }
    snippets.NameEdit()->setText(QStringLiteral("Tabelle"));
    emit snippets.NameEdit()->textEdited(snippets.NameEdit()->text());
    snippets.CodeEdit()->setPlainText(QStringLiteral("<table>%cursor%</table> & mehr"));

    ASSERT_TRUE(form->Apply());
    EXPECT_FALSE(form->ApplyButton()->isEnabled());

    const TTalvexStudioSettings reread(settings->fileName(), true);
    EXPECT_EQ(reread.DefaultEditor()->CodeEditorDefaultFontSize, 15);
    EXPECT_EQ(reread.Editor()->SynTabWidth, 3);
    // A stored font that this computer lacks is not replaced by the substitute shown.
    EXPECT_EQ(reread.DefaultEditor()->CodeEditorDefaultFont, settings->DefaultEditor()->CodeEditorDefaultFont);

    TSnippets stored(core->Snippets()->FileName());
    ASSERT_EQ(stored.RootGroup()->GetSnippetCount(), before + 1);
    const TSnippet &added = *stored.RootGroup()->GetSnippet(before);
    EXPECT_EQ(added.Name, QStringLiteral("Tabelle"));
    EXPECT_EQ(added.Code, QStringLiteral("<table>%cursor%</table> & mehr"));
}

TEST_F(SettingsFormTest, CancelDropsSnippetEditsAndAFailedPhpFolderIsNotStored)
{
    form->Prepare(TSettingsPageList::Snippets);
    const int before = core->Snippets()->RootGroup()->GetGroupCount();
    for (QPushButton *button : form->Page<TSnippetsPage>()->findChildren<QPushButton *>())
        if (button->text() == QStringLiteral("Neue Gruppe"))
            button->click();
    EXPECT_EQ(core->Snippets()->RootGroup()->GetGroupCount(), before + 1);
    form->reject();
    EXPECT_EQ(core->Snippets()->RootGroup()->GetGroupCount(), before);

    form->Prepare(TSettingsPageList::Php);
    TPhpSettingsPage &php = *form->Page<TPhpSettingsPage>();
    const QString missing = root.filePath(QStringLiteral("htdocs"));
    EXPECT_FALSE(php.SetWebServerPath(missing));
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("Das Verzeichnis \"%1\" ist nicht gültig.").arg(missing)));
    EXPECT_TRUE(php.SetWebServerPath(root.path()));
    ASSERT_TRUE(form->Apply());
    EXPECT_EQ(TTalvexStudioSettings(settings->fileName(), true).PHP()->WebServerPath, root.path());
}

TEST_F(SettingsFormTest, BrowserPageTakesLinuxProgramsAndStoresSearchFinds)
{
    form->Prepare(TSettingsPageList::Browser);
    TBrowserSettingsPage &page = *form->Page<TBrowserSettingsPage>();
    settings->Browsers()->Clear();
    page.Load();

    const QString program = root.filePath(QStringLiteral("bin/firefox"));
    TestSupport::writeFile(program, "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner | QFile::ExeUser);
    page.ChooseProgram = [program] { return program; };
    for (QPushButton *button : page.findChildren<QPushButton *>())
        if (button->text() == QStringLiteral("Hinzufügen..."))
            button->click();
    EXPECT_EQ(page.ParametersEdit()->text(), QStringLiteral("\"%filename%\""));
    ASSERT_TRUE(page.TakeFields());
    ASSERT_EQ(page.Browsers().size(), 1);

    page.PathEdit()->setText(root.filePath(QStringLiteral("bin")));
    EXPECT_FALSE(page.TakeFields());
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("Die angegebene Datei")));
    EXPECT_EQ(page.Browsers().first().path, program);

    // The entry taken above is there already; nothing is stored twice.
    const QString report = page.Search({root.filePath(QStringLiteral("bin"))});
    EXPECT_EQ(prompter.prompts().last().caption, QStringLiteral("Browser-Suche"));
    EXPECT_EQ(lastText(), report);
    EXPECT_EQ(page.Browsers().size(), 2); // "firefox" taken by hand, "Mozilla Firefox" found
    const TTalvexStudioSettings reread(settings->fileName(), true);
    ASSERT_EQ(reread.Browsers()->Count(), 2);
    EXPECT_EQ(reread.Browsers()->Items(1)->BrowserName, QStringLiteral("Mozilla Firefox"));
    EXPECT_EQ(page.Search({root.filePath(QStringLiteral("bin"))}).count(QStringLiteral("bereits vorhanden")), 1);
}

TEST_F(SettingsFormTest, FileTypesHighlighterStylesAndMultiHighlightersReachTheirFiles)
{
    form->Prepare(TSettingsPageList::FileTypes);
    // The user's own type, made in the dialog for it.
    TCustomizeFileTypes customize(*core);
    EXPECT_EQ(customize.windowTitle(), QStringLiteral("Talvex Studio - Benutzerdefinierte Dateitypen anpassen"));
    customize.findChildren<QPushButton *>().at(0)->click(); // the groups' "Neu..."
    TVYRAExtensionGroup *group = customize.CurrentGroup();
    ASSERT_TRUE(group);
    EXPECT_EQ(customize.GroupName()->text(), QStringLiteral("Neue Dateierweiterungsgruppe"));
    ASSERT_TRUE(customize.Editor().AddExtension(*group, QStringLiteral("tpl")));
    customize.GroupName()->setText(QStringLiteral("Vorlagen"));
    customize.SaveGroup();

    // Its highlighter chosen on the page, written on Apply.
    TFileTypesPage &types = *form->Page<TFileTypesPage>();
    types.Load();
    TIHighlighter *php = core->Highlighters()->FindHighlighter(QStringLiteral("php"));
    types.ChooseHighlighter(group, php);
    ASSERT_TRUE(form->Apply());
    TVYRAExtensions reread(core->GetAppDir(), core->Highlighters());
    reread.LoadFromFile(QDir(core->UserDataDir()).filePath(QStringLiteral("customfiletypes.xml")), true);
    ASSERT_EQ(reread.GetCount(), 1);
    EXPECT_EQ(reread.GetGroup(0)->Name, QStringLiteral("Vorlagen"));
    EXPECT_EQ(reread.GetGroup(0)->DefaultHighlighter, php);

    // Element styles: "<short name>.dat" in the user's highlighter folder.
    THighlighterStylesPage &styles = *form->Page<THighlighterStylesPage>();
    EXPECT_FALSE(styles.SaveElement());
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("Sie haben keine Syntaxhervorhebung ausgewählt.")));
    auto *choice = styles.findChild<QComboBox *>();
    choice->setCurrentIndex(choice->findText(QStringLiteral("CSS")));
    for (QCheckBox *box : styles.findChildren<QCheckBox *>())
        if (box->text() == QStringLiteral("Fett"))
            box->setChecked(!box->isChecked());
    ASSERT_TRUE(styles.SaveElement());
    const TIHighlighter &css = *core->Highlighters()->FindHighlighter(QStringLiteral("css"));
    const unsigned saved = css.GetHighlighter()->attributes().front()->style();
    css.GetHighlighter()->attributes().front()->setStyle(saved ^ fsBold);
    ASSERT_TRUE(THighlighterAttributeFile::Load(
        *css.GetHighlighter(), THighlighterAttributeFile::FileName(core->UserHighlighterDir(), QStringLiteral("css"))));
    EXPECT_EQ(css.GetHighlighter()->attributes().front()->style(), saved);

    // "Neu..." on the multi-highlighter page writes "multihighlighter.xml" with "Schema speichern".
    TMultiHighlighterPage &multi = *form->Page<TMultiHighlighterPage>();
    const int count = multi.Schemes()->count();
    TIHighlighter *entry = multi.Editor().New();
    ASSERT_TRUE(entry);
    multi.Load();
    EXPECT_EQ(multi.Schemes()->count(), count + 1);
    ASSERT_TRUE(multi.Editor().SaveScheme(*entry, QStringLiteral("Vorlagen-Schema")));
    EXPECT_TRUE(TestSupport::readFile(QDir(core->HighlighterDir()).filePath(QStringLiteral("multihighlighter.xml")))
                    .contains("Vorlagen-Schema"));
}
