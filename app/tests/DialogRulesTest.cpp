#include "DocumentCommandsHost.h"
#include "commands/TActionCatalogue.h"
#include "commands/TActionRegistry.h"
#include "commands/TCustomShortcuts.h"
#include "dialogs/TPropertiesModel.h"
#include "dialogs/TShortcutManagerModel.h"
#include "dialogs/TSnippetGroupChoice.h"
#include "dialogs/TTemplateSettings.h"
#include "documents/TVYRATemplate.h"
#include "settings/TTalvexStudioShortcutSettings.h"
#include "snippets/TSnippets.h"
#include "utils/FileUtils.h"

#include <QAction>
#include <QLineEdit>

// The rules of the shortcut manager, the document properties, the snippet
// editor and the plug-in list, without their windows.

namespace {

using Host = DocumentCommandsHost;

// The window's commands and the studio settings on a temporary file.
struct ShortcutHost {
    QTemporaryDir dir;
    TActionRegistry registry;
    std::unique_ptr<TTalvexStudioSettings> settings;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};

    explicit ShortcutHost(TKeyboardLayout layout = TKeyboardLayout::klGerman)
    {
        registry.AddAll(TActionCatalogue::Standard(layout));
        settings = std::make_unique<TTalvexStudioSettings>(dir.filePath("settings.xml"), true);
    }
    QKeySequence key(const char *name) const { return registry.Action(name)->shortcut(); }
    // The custom shortcuts as a fresh start reads them from disk.
    QHash<QString, quint16> stored() const
    {
        TTalvexStudioSettings reread(dir.filePath("settings.xml"), true);
        return TCustomShortcuts::Read(*reread.CustomShortcuts());
    }
};

const QKeySequence CtrlShiftF11(Qt::CTRL | Qt::SHIFT | Qt::Key_F11);

} // namespace

TEST(ShortcutManagerRules, RemovedAndChangedShortcutsAreStoredUnchangedOnesAreNot)
{
    ShortcutHost host;
    ASSERT_FALSE(host.key("FileSave").isEmpty());
    TShortcutManagerModel model(host.registry, *host.settings);
    EXPECT_EQ(model.Row(model.IndexOf("FileSave")).caption, "Speichern");
    model.Remove(model.IndexOf("FileSave"));
    ASSERT_TRUE(model.Assign(model.IndexOf("HelpShowPlugins"), CtrlShiftF11));
    // Nothing reaches the commands before OK.
    EXPECT_FALSE(host.key("FileSave").isEmpty());
    ASSERT_TRUE(model.Commit());
    EXPECT_TRUE(host.key("FileSave").isEmpty());
    EXPECT_EQ(host.key("HelpShowPlugins"), CtrlShiftF11);
    const QHash<QString, quint16> stored = host.stored();
    EXPECT_EQ(stored, (QHash<QString, quint16>{{"FileSave", 0}, {"HelpShowPlugins", 0x6000 | 0x7A}}));
    EXPECT_TRUE(host.prompter.prompts().isEmpty());
}

TEST(ShortcutManagerRules, CancelRestoresAndRestoringDefaultsWaitsForTheNextStart)
{
    ShortcutHost host;
    const QKeySequence save = host.key("FileSave");
    {
        TShortcutManagerModel model(host.registry, *host.settings);
        model.Remove(model.IndexOf("FileSave"));
        model.Revert();
        EXPECT_EQ(host.key("FileSave"), save);
    }
    {
        TShortcutManagerModel model(host.registry, *host.settings);
        model.Remove(model.IndexOf("FileSave"));
        ASSERT_TRUE(model.Commit());
    }
    ASSERT_EQ(host.stored().size(), 1);
    TShortcutManagerModel model(host.registry, *host.settings);
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_FALSE(model.RestoreDefaults());
    EXPECT_EQ(host.stored().size(), 1) << "declined: nothing changes";
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_TRUE(model.RestoreDefaults());
    EXPECT_TRUE(host.stored().isEmpty());
    EXPECT_TRUE(host.key("FileSave").isEmpty()) << "the running program keeps its keys until the next start";
    ASSERT_EQ(host.prompter.prompts().size(), 3);
    EXPECT_EQ(host.prompter.prompts()[0].caption, "Bestätigen");
    EXPECT_TRUE(host.prompter.prompts()[0].text.startsWith("Achtung: Alle personalisierten Tastenkürzel"));
    EXPECT_EQ(host.prompter.prompts()[2].caption, "Information");
    EXPECT_TRUE(host.prompter.prompts()[2].text.startsWith("Die Tastenkürzel wurden zurückgesetzt. \r\n"));
}

TEST(ShortcutManagerRules, ConflictsOutsideTheSharedPairsAreWarnedAbout)
{
    ShortcutHost host;
    const QKeySequence ctrlD = host.key("EditDuplicateLine");
    ASSERT_EQ(host.key("ProjectSaveProject"), ctrlD);
    TShortcutManagerModel model(host.registry, *host.settings);
    const int project = model.IndexOf("ProjectSaveProject");
    // Ctrl+D belongs to both by design: taking it back asks nothing.
    model.Remove(project);
    EXPECT_TRUE(model.Assign(project, ctrlD));
    EXPECT_EQ(model.ConflictOf(project, ctrlD), -1);
    EXPECT_TRUE(host.prompter.prompts().isEmpty());
    // Any other command with Ctrl+D is a conflict, declined here.
    const int plugins = model.IndexOf("HelpShowPlugins");
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_FALSE(model.Assign(plugins, ctrlD));
    EXPECT_TRUE(model.Row(plugins).shown.isEmpty());
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_TRUE(host.prompter.prompts()[0].text.contains("\"Zeile duplizieren\""));
    EXPECT_TRUE(host.prompter.prompts()[0].text.contains("\"Zusatzmodule...\""));
    // Accepted, both carry it.
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_TRUE(model.Assign(plugins, ctrlD));
    EXPECT_EQ(model.Row(plugins).shown, ctrlD);
}

TEST(ShortcutManagerRules, AKeyTheStoredCodeCannotHoldIsRefused)
{
    ShortcutHost host;
    TShortcutManagerModel model(host.registry, *host.settings);
    const int row = model.IndexOf("FileSave");
    const QKeySequence before = model.Row(row).shown;
    EXPECT_FALSE(model.Assign(row, QKeySequence(Qt::CTRL | Qt::Key_MediaPlay)));
    EXPECT_EQ(model.Row(row).shown, before) << "refused, so it is not stored as \"no shortcut\"";
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_EQ(host.prompter.prompts()[0].caption, "Fehler");
    EXPECT_TRUE(host.prompter.prompts()[0].text.contains("\"Speichern\""));
}

TEST(ShortcutManagerRules, StoredKeysAreKeyPositionsThatSurviveALayoutChange)
{
    // Stored on a German keyboard, read on a US one.
    ShortcutHost german(TKeyboardLayout::klGerman);
    {
        TShortcutManagerModel model(german.registry, *german.settings, TKeyboardLayout::klGerman);
        ASSERT_TRUE(model.Assign(model.IndexOf("HelpShowPlugins"), QKeySequence(Qt::CTRL | Qt::Key_Odiaeresis)));
        ASSERT_TRUE(model.Commit());
    }
    EXPECT_EQ(german.stored().value("HelpShowPlugins"), 0x40C0);
    TActionRegistry us;
    us.AddAll(TActionCatalogue::Standard(TKeyboardLayout::klUS));
    us.ApplyShortcutCodes(german.stored(), TKeyboardLayout::klUS);
    EXPECT_EQ(us.Action("HelpShowPlugins")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_QuoteLeft));

    // And the other way.
    ShortcutHost american(TKeyboardLayout::klUS);
    {
        TShortcutManagerModel model(american.registry, *american.settings, TKeyboardLayout::klUS);
        EXPECT_TRUE(american.prompter.prompts().isEmpty());
        ASSERT_TRUE(model.Assign(model.IndexOf("HelpShowPlugins"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_BracketLeft)));
        ASSERT_TRUE(model.Commit());
    }
    EXPECT_EQ(american.stored().value("HelpShowPlugins"), 0xC0DB);
    TActionRegistry de;
    de.AddAll(TActionCatalogue::Standard(TKeyboardLayout::klGerman));
    de.ApplyShortcutCodes(american.stored(), TKeyboardLayout::klGerman);
    EXPECT_EQ(de.Action("HelpShowPlugins")->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_ssharp));
}

TEST(ShortcutManagerRules, TheHintIsTheTextAfterTheBar)
{
    EXPECT_EQ(TShortcutManagerModel::LongHint("Kurz|Lang und ausführlich"), "Lang und ausführlich");
    EXPECT_EQ(TShortcutManagerModel::LongHint("Nur ein Hinweis"), "Nur ein Hinweis");
}

// ---------------------------------------------------------------------------
// Document properties

TEST(PropertiesRules, TextStatisticsSayWortForExactlyOneWord)
{
    EXPECT_EQ(TPropertiesModel::Statistics("Hallo"), "5 Zeichen, 1 Wort");
    EXPECT_EQ(TPropertiesModel::Statistics("Hallo Welt"), "10 Zeichen, 2 Wörter");
    EXPECT_EQ(TPropertiesModel::Statistics(""), "0 Zeichen, 0 Wörter");
    EXPECT_EQ(TPropertiesModel::Statistics(QString::fromUtf8("\xF0\x9F\x98\x80")), "1 Zeichen, 1 Wort");
}

TEST(PropertiesRules, ANeverStoredDocumentHasNoFolderTypeOrSize)
{
    Host host;
    ASSERT_EQ(host.commands->NewDocument(), 0);
    const TPropertiesModel model(*host.doc(0), "eins zwei", host.core->Ciphers());
    EXPECT_EQ(model.Folder(), "Kein");
    EXPECT_EQ(model.FileType(), "Unbekannte Dateierweiterung");
    EXPECT_EQ(model.Size(), FormatDiskSpace(0));
    EXPECT_EQ(model.TextStatistics(), "9 Zeichen, 2 Wörter");
    EXPECT_EQ(model.CipherName(), "Keine oder Unbekannt");
    EXPECT_EQ(model.PasswordSet(), "Nein");
    EXPECT_EQ(model.Caption(TPropertiesModel::pmFile), "Eigenschaften von " + QFileInfo(host.doc(0)->GetFileName()).fileName());
}

TEST(PropertiesRules, AStoredFileShowsItsFolderTypeSizeAndHiddenAttribute)
{
    Host host;
    host.commands->OpenFiles({host.write(".versteckt.php", "<?php echo 1;\n")});
    ASSERT_EQ(host.count(), 1);
    const TPropertiesModel model(*host.doc(0), host.text(0), nullptr);
    EXPECT_EQ(model.Folder(), QDir::toNativeSeparators(QFileInfo(host.path("x")).absolutePath()));
    EXPECT_TRUE(model.FileType().endsWith(" (.php)")) << model.FileType().toStdString();
    EXPECT_EQ(model.Size(), FileSizeString(host.path(".versteckt.php")));
    ASSERT_EQ(model.Attributes().size(), 4u);
    EXPECT_EQ(model.Attributes()[1].caption, "Versteckt");
    EXPECT_TRUE(model.Attributes()[1].set);
    EXPECT_FALSE(model.Attributes()[2].available) << "Linux has no system attribute";
    // A cipher index outside the list is reported, not shown.
    EXPECT_FALSE(model.Cipher(model.CipherNames().size()).has_value());
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_EQ(host.prompter.prompts()[0].text, "Fehler: Die gewählte Verschlüsselung wurde nicht gefunden.");
}

// ---------------------------------------------------------------------------
// Snippet editor

TEST(SnippetEditorRules, GroupsAreListedDepthFirstWithTheirParents)
{
    QTemporaryDir dir;
    TSnippets store(dir.filePath("snippets.xml"));
    TSnippetGroup *html = store.RootGroup()->AddGroup("HTML");
    TSnippetGroup *forms = html->AddGroup("Formulare");
    forms->AddGroup("Knöpfe");
    store.RootGroup()->AddGroup("PHP");
    const TSnippetGroupChoice choice(store);
    QStringList captions;
    for (const TSnippetGroupChoice::TEntry &entry : choice.Entries())
        captions << entry.caption;
    EXPECT_EQ(captions, QStringList({"HTML", "HTML -> Formulare", "HTML -> Formulare -> Knöpfe", "PHP"}));
    EXPECT_EQ(choice.IndexOf(forms), 1);
    EXPECT_EQ(choice.IndexOf(nullptr), 0);
}

TEST(SnippetEditorFaults, TheSnippetsGroupIsCreatedOnlyWhenTheSnippetIsAdded)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("snippets.xml");
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    TSnippets store(file);
    {
        // Opened and cancelled.
        const TSnippetGroupChoice choice(store);
        ASSERT_EQ(choice.Entries().size(), 1);
        EXPECT_EQ(choice.Entries()[0].caption, "Snippets");
    }
    EXPECT_EQ(store.RootGroup()->GetGroupCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(file));

    TSnippetGroupChoice choice(store);
    ASSERT_TRUE(choice.AddSnippet(0, "Schleife", "for (%cursor%) {}", "for"));
    TSnippets reread(file);
    ASSERT_EQ(reread.RootGroup()->GetGroupCount(), 1);
    const TSnippetGroup *group = reread.RootGroup()->GetGroup(0);
    EXPECT_EQ(group->Name, "Snippets");
    ASSERT_EQ(group->GetSnippetCount(), 1);
    EXPECT_EQ(group->GetSnippet(0)->Code, "for (%cursor%) {}");
    EXPECT_EQ(group->GetSnippet(0)->Shortcut, "for");
}

TEST(SnippetEditorFaults, AFailedSaveLeavesTheStoreAsItWas)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("snippets.xml");
    // Not a snippet file: the store refuses to write over it.
    TestSupport::writeFile(file, "<fremd/>");
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    TSnippets store(file);
    TSnippetGroupChoice choice(store);
    EXPECT_FALSE(choice.AddSnippet(0, "Schleife", "for", ""));
    EXPECT_EQ(store.RootGroup()->GetGroupCount(), 0);
    EXPECT_EQ(TestSupport::readFile(file), "<fremd/>");
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts()[0].text.startsWith("Das Code-Snippet \"Schleife\" wurde nicht hinzugefügt."));
}


// ---------------------------------------------------------------------------
// Template settings

TEST(TemplateSettings, OkStoresTheNameCancelLeavesIt)
{
    TVYRATemplate target("vorlage.qtf", "1.0", nullptr, nullptr, nullptr, false);
    target.SetTemplateName("Alt");
    {
        TTemplateSettings dialog(target);
        EXPECT_EQ(dialog.windowTitle(), "Talvex Studio - Vorlageneinstellungen");
        EXPECT_EQ(dialog.NameEdit()->text(), "Alt");
        dialog.NameEdit()->setText("Neu");
        dialog.reject();
    }
    EXPECT_EQ(target.TemplateName(), "Alt");
    TTemplateSettings dialog(target);
    dialog.NameEdit()->setText("HTML-Seite");
    dialog.accept();
    EXPECT_EQ(target.TemplateName(), "HTML-Seite");
}
