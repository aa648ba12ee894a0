#include "commands/TActionCatalogue.h"
#include "commands/TActionRegistry.h"
#include "commands/TCommandController.h"
#include "commands/TCustomShortcuts.h"
#include "settings/TTalvexStudioShortcutSettings.h"

#include <QAction>
#include <QSet>
#include <gtest/gtest.h>

namespace {

using R = TEnablingRules;

// Every fixed command of the main window, written out independently of the catalogue.
QStringList expectedNames()
{
    QStringList names = {
        "FileNew", "FileNewProject", "FileOpen", "FileOpenNew", "FileOpenTemplate", "FileTemplateSettings",
        "FileSave", "FileSaveAs", "FileSaveAll", "FileClose", "FileCloseAll", "FileProperties", "FilePrint",
        "FilePrintPreview", "FileExit", "EditUndo", "EditRedo", "EditCut", "EditCopy", "EditPaste", "EditDelete",
        "EditSelectAll", "EditSearch", "EditReplace", "EditSearchMore", "EditGoto", "EditRemoveLine",
        "EditDuplicateLine", "EditLineUp", "EditLineDown", "EditUpperCase", "EditLowerCase", "FormatLineBreak",
        "FormatBold", "FormatItalics", "FormatUnderline", "FormatStrikeout", "FormatAlignLeft", "FormatAlignCenter",
        "FormatAlignRight", "FormatAlignJustify", "FormatInputForm", "FormatInputText", "FormatInputMultilineText",
        "FormatInputCheck", "FormatInputRadio", "FormatInputButton", "FormatInputComboBox", "FormatListElement",
        "FormatListDefault", "FormatListCircle", "FormatListSquare", "FormatList_Numeric", "FormatList_ASmall",
        "FormatList_ALarge", "FormatList_Roman", "FormatList_RomanSmall", "FormatComment", "InsertDefaultTable",
        "InsertTableRow", "InsertTableCol", "InsertTableHeader", "FormatInsertH1", "FormatInsertH2",
        "FormatInsertH3", "FormatInsertH4", "FormatInsertH5", "FormatInsertH6", "FormatHTMLStartTags",
        "FormatHTMLEndTags", "FormatTogglePHPComment", "FormatIncreaseIndent", "FormatDecreaseIndent",
        "FormatBreakLines", "FormatSelectTypeDefault", "FormatSelectTypeLine", "FormatSelectTypeColumn",
        "SnippetInsert", "SnippetEdit", "FormatCreateSnippetFromSelText", "FormatFont", "FormatSelectColor",
        "FormatInsertImage", "FormatInsertLink", "InsertTable", "FormatInsertMetaTags", "FormatInsertExternalCss",
        "SettingsShow", "ShortcutManager", "ToggleStatusBar", "ProjectAdd", "ProjectRemove", "ProjectAlphaSort",
        "ProjectUpdateView", "ProjectShowFile", "ProjectCloseFile", "ProjectProperties", "ProjectSettings",
        "ProjectEditTemplate", "ProjectSaveUnsavedFiles", "ProjectSaveProject", "ProjectSaveProjectAs",
        "ProjectSaveAllFiles", "ProjectCloseProject", "ToDoAddEntry", "ToDoRemoveEntry", "ToDoEditEntry",
        "ToDoToggleDoneStatus", "ToDoRemoveDoneEntries", "CodeBrowserUpdate", "CodeBrowserJumpToLine",
        "CodeBrowserShowProcedureList", "PHPErrorCheck", "PHPSyntaxCheck", "Glimpane", "LocalHostPreview",
        "FileExplorerViewIcon", "FileExplorerViewSmallIcon", "FileExplorerViewList", "FileExplorerViewReport",
        "FileExplorerViewThumbnails", "FileExplorerGotoFileDir", "FileExplorerGotoProjectDir",
        "FileExplorerOpenFolderWindows", "FileExplorerShowAllTypes", "FileExplorerShowSupportedOnly",
        "HelpShowHelpFile", "HelpShowPlugins", "HelpSearchForUpdates", "HelpAbout", "WindowCascade",
        "WindowTileHorizontal", "WindowTileVertical", "WindowMinimizeAll", "WindowArrangeAll"};
    for (int n = 0; n <= 9; ++n)
        names << QStringLiteral("BookmarkGoto%1").arg(n) << QStringLiteral("BookmarkSet%1").arg(n);
    return names;
}

class CommandRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { registry.AddAll(TActionCatalogue::Standard()); }
    QAction *action(const char *name) { return registry.Action(QString::fromLatin1(name)); }
    TActionRegistry registry;
};

TEST_F(CommandRegistryTest, EveryCommandExistsExactlyOnceWithItsObjectName)
{
    QSet<QString> seen;
    for (QAction *a : registry.Actions()) {
        EXPECT_FALSE(seen.contains(a->objectName())) << a->objectName().toStdString();
        seen.insert(a->objectName());
        EXPECT_FALSE(a->text().isEmpty()) << a->objectName().toStdString();
        EXPECT_FALSE(registry.Definition(a->objectName())->category.isEmpty()) << a->objectName().toStdString();
    }
    const QStringList expected = expectedNames();
    for (const QString &name : expected)
        EXPECT_TRUE(seen.contains(name)) << "missing " << name.toStdString();
    EXPECT_EQ(seen.size(), expected.size());
    EXPECT_THROW(registry.Add(*registry.Definition("FileNew")), std::invalid_argument);
}

TEST_F(CommandRegistryTest, ShortcutsAndCaptionsAsGiven)
{
    const struct
    {
        const char *name;
        const char *caption;
        const char *category;
        const char *key;
    } rows[] = {
        {"FileNew", "&Neues Dokument", "Datei", "Ctrl+N"},
        {"FileOpen", "Ö&ffnen", "Datei", "Ctrl+O"},
        {"FileTemplateSettings", "Vorlageneinstellungen", "Datei", "Ctrl+T"},
        {"FileSave", "&Speichern", "Datei", "Ctrl+S"},
        {"FileSaveAs", "Speichern &unter...", "Datei", ""},
        {"FileClose", "&Schließen", "Datei", "Alt+F3"},
        {"FilePrint", "&Drucken", "Datei", "Ctrl+P"},
        {"FileExit", "&Beenden", "Datei", "Alt+F4"},
        {"EditUndo", "&Rückgängig", "Bearbeiten", "Ctrl+Z"},
        {"EditRedo", "&Wiederholen", "Bearbeiten", "Ctrl+Alt+Z"},
        {"EditCut", "&Ausschneiden", "Bearbeiten", "Ctrl+X"},
        {"EditCopy", "&Kopieren", "Bearbeiten", "Ctrl+C"},
        {"EditPaste", "&Einfügen", "Bearbeiten", "Ctrl+V"},
        {"EditDelete", "Löschen", "Bearbeiten", "Del"},
        {"EditSelectAll", "&Alles markieren", "Bearbeiten", "Ctrl+A"},
        {"EditSearch", "&Suchen...", "Bearbeiten", "Ctrl+F"},
        {"EditReplace", "E&rsetzen", "Bearbeiten", "Ctrl+R"},
        {"EditSearchMore", "Weitersuchen", "Bearbeiten", "F3"},
        {"EditGoto", "Gehe zu...", "Bearbeiten", "Ctrl+G"},
        {"EditRemoveLine", "Zeile löschen", "Bearbeiten", "Ctrl+Y"},
        {"EditDuplicateLine", "Zeile duplizieren", "Bearbeiten", "Ctrl+D"},
        {"EditLineUp", "Zeile nach oben", "Bearbeiten", "Ctrl+Shift+Up"},
        {"EditLineDown", "Zeile nach unten", "Bearbeiten", "Ctrl+Shift+Down"},
        {"FormatLineBreak", "Zeilenum&bruch", "Format", "Ctrl+B"},
        {"FormatTogglePHPComment", "Kommentar umschalten (PHP)", "Format", "Ctrl+#"},
        {"FormatHTMLStartTags", "HTML-Starttag", "Format", "Alt+,"},
        {"FormatHTMLEndTags", "HTML-Endtag", "Format", "Alt+."},
        {"FormatIncreaseIndent", "Einzug vergrößern", "Format", "Ctrl+Shift+I"},
        {"FormatDecreaseIndent", "Einzug verkleinern", "Format", "Ctrl+Shift+U"},
        {"FormatSelectTypeDefault", "Normal", "Format", "Ctrl+Shift+N"},
        {"FormatSelectTypeLine", "Zeile", "Format", "Ctrl+Shift+L"},
        {"FormatSelectTypeColumn", "Block", "Format", "Ctrl+Shift+C"},
        {"FormatInputText", "&Textfeld", "Webform", ""},
        {"FormatList_Roman", "Geordnete Liste (I, II, III...)", "Listen", ""},
        {"InsertTableHeader", "Tabellenkopf einfügen", "Tabellen", ""},
        {"FormatInsertH6", "Überschrift 6. Ordnung", "Format", ""},
        {"BookmarkGoto3", "Gehe zu Lesezeichen 3", "Lesezeichen", "Ctrl+3"},
        {"BookmarkSet0", "Setze Lesezeichen 0", "Lesezeichen", "Ctrl+Shift+0"},
        {"SettingsShow", "Einstellungen", "GUI", "Ctrl+E"},
        {"ShortcutManager", "Tastenkürzel verwalten...", "GUI", ""},
        {"ProjectAdd", "Dem Projekt hinzufügen...", "Projekt", "Shift+F11"},
        {"ProjectSaveProject", "Projekt speichern", "Projekt", "Ctrl+D"},
        {"ProjectSaveAllFiles", "Alle Dateien speichern", "Projekt", "Ctrl+Shift+D"},
        {"ProjectCloseProject", "Projekt schließen", "Projekt", "Alt+F2"},
        {"CodeBrowserShowProcedureList", "PHP Methodenliste", "CodeBrowser", "Ctrl+Shift+G"},
        {"PHPErrorCheck", "PHP Fehlerprüfung", "Fehlersuche", "F9"},
        {"Glimpane", "&Browservorschau", "Fehlersuche", "Shift+F12"},
        {"FileExplorerViewReport", "Details", "Dateiexplorer", ""},
        {"FileExplorerShowSupportedOnly", "Nur unterstützte Dateien anzeigen", "Dateiexplorer", ""},
        {"HelpShowHelpFile", "&Hilfedatei anzeigen", "Hilfe", "F1"},
        {"HelpAbout", "&Info über Talvex Studio...", "Hilfe", ""},
        {"WindowTileHorizontal", "Hori&zontal anordnen", "Fenster", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QAction *a = action(row.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(registry.Definition(a->objectName())->category, QString::fromUtf8(row.category));
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromUtf8(row.key), QKeySequence::PortableText));
    }
    // The comment key is named by position: "/" on a US keyboard.
    TActionRegistry us;
    us.AddAll(TActionCatalogue::Standard(TKeyboardLayout::klUS));
    EXPECT_EQ(us.Action("FormatTogglePHPComment")->shortcut(), QKeySequence(QStringLiteral("Ctrl+/")));
}

// A snapshot with one editable document, caret on line 2 of 3, nothing selected.
TWindowSnapshot oneDocument()
{
    TWindowSnapshot s;
    s.hasActiveDocument = s.editable = s.hasFile = true;
    s.caretLine = 2;
    s.lineCount = 3;
    s.documentCount = s.childWindowCount = s.projectGroupCount = 1;
    return s;
}

TEST(EnablingRules, OverSnapshots)
{
    const TWindowSnapshot empty;
    const TWindowSnapshot doc = oneDocument();
    TWindowSnapshot readOnly = doc;
    readOnly.editable = false;
    TWindowSnapshot selected = doc;
    selected.hasSelection = true;
    TWindowSnapshot readOnlySelected = readOnly;
    readOnlySelected.hasSelection = true;
    TWindowSnapshot firstLine = doc;
    firstLine.caretLine = 1;
    TWindowSnapshot lastLine = doc;
    lastLine.caretLine = 3;
    TWindowSnapshot noLine = doc;
    noLine.caretLine = 4;
    TWindowSnapshot modified = doc;
    modified.modified = true;
    TWindowSnapshot neverSaved = doc;
    neverSaved.hasFile = false;
    TWindowSnapshot clipboard = doc;
    clipboard.clipboardHasText = true;
    TWindowSnapshot clipboardInactive = clipboard;
    clipboardInactive.mainWindowActive = false;
    TWindowSnapshot project = doc;
    project.projectSelected = true;
    TWindowSnapshot groupsNoneSelected = doc;
    groupsNoneSelected.projectGroupCount = 2;
    TWindowSnapshot projectFolder = project;
    projectFolder.activeGroupHasFile = true;
    TWindowSnapshot templ = doc;
    templ.isTemplate = true;
    TWindowSnapshot rich = doc;
    rich.codeEditorMode = false;

    const struct
    {
        const char *what;
        TEnablingRule rule;
        const TWindowSnapshot &snapshot;
        bool expected;
    } rows[] = {
        {"always/empty", R::Always, empty, true},
        {"document/empty", R::Document, empty, false},
        {"document/doc", R::Document, doc, true},
        {"document/read-only", R::Document, readOnly, false},
        {"line/doc", R::Line, doc, true},
        {"line/beyond last", R::Line, noLine, false},
        {"line/read-only", R::Line, readOnly, false},
        {"up/first line", R::LineNotFirst, firstLine, false},
        {"up/second line", R::LineNotFirst, doc, true},
        {"down/last line", R::LineNotLast, lastLine, false},
        {"down/second line", R::LineNotLast, doc, true},
        {"selection/none", R::Selection, doc, false},
        {"selection/some", R::Selection, selected, true},
        {"copy/read-only", R::Selection, readOnlySelected, true},
        {"cut/read-only", R::EditableSelection, readOnlySelected, false},
        {"cut/editable", R::EditableSelection, selected, true},
        {"paste/empty clipboard", R::Paste, doc, false},
        {"paste/clipboard", R::Paste, clipboard, true},
        {"paste/window inactive", R::Paste, clipboardInactive, false},
        {"save/unmodified", R::Save, doc, false},
        {"save/modified", R::Save, modified, true},
        {"save/never saved", R::Save, neverSaved, true},
        {"save/read-only modified", R::Save, [&] { TWindowSnapshot s = modified; s.editable = false; return s; }(), true},
        {"save all/empty", R::AnyDocument, empty, false},
        {"save all/doc", R::AnyDocument, doc, true},
        {"close/empty", R::ChildWindow, empty, false},
        {"close all/doc", R::AnyProjectGroup, doc, true},
        {"project/none selected", R::Project, groupsNoneSelected, false},
        {"project/selected", R::Project, project, true},
        {"project/no group", R::Project, [] { TWindowSnapshot s; s.projectSelected = true; return s; }(), false},
        {"project folder/without", R::ProjectWithFolder, project, false},
        {"project folder/with", R::ProjectWithFolder, projectFolder, true},
        {"todo/no entry", R::ToDoEntry, project, false},
        {"template/plain", R::TemplateDocument, doc, false},
        {"template/template", R::TemplateDocument, templ, true},
        {"file dir/never saved", R::DocumentWithFile, neverSaved, false},
        {"code editor/rich", R::CodeEditor, rich, false},
        {"code editor/code", R::CodeEditor, doc, true},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.rule(row.snapshot), row.expected) << row.what;
}

// Handlers for a few commands, as a window feature registers them.
class TCountingController : public TCommandController
{
public:
    void Register(TActionRegistry &registry) override
    {
        for (const char *name : {"FileNew", "FileSave", "EditCopy", "FileTemplateSettings", "ToggleStatusBar"})
            registry.SetHandler(QString::fromLatin1(name), [this, name] { fired << QString::fromLatin1(name); });
    }
    QStringList fired;
};

TEST_F(CommandRegistryTest, CommandsWithoutHandlerAreDisabledAndSayWhatIsMissing)
{
    TWindowSnapshot everything = oneDocument();
    everything.hasSelection = everything.modified = everything.clipboardHasText = everything.projectSelected = true;
    everything.canUndo = everything.canRedo = everything.isTemplate = true;
    registry.Update(everything);
    for (QAction *a : registry.Actions()) {
        SCOPED_TRACE(a->objectName().toStdString());
        EXPECT_FALSE(a->isEnabled());
        EXPECT_TRUE(a->statusTip().startsWith(QStringLiteral("Noch nicht verfügbar: ")));
        EXPECT_GT(a->statusTip().size(), QStringLiteral("Noch nicht verfügbar: ").size());
        // Triggering a disabled command does nothing.
        a->trigger();
    }
    EXPECT_EQ(action("FilePrint")->statusTip(), QStringLiteral("Noch nicht verfügbar: Drucken und Druckvorschau"));
    EXPECT_EQ(action("ProjectAdd")->toolTip(), QStringLiteral("Noch nicht verfügbar: Projektverwaltung"));
}

TEST_F(CommandRegistryTest, ControllerHandlersEnableTheirCommandsByTheRules)
{
    TCountingController controller;
    registry.Install(controller);
    EXPECT_TRUE(registry.HasHandler("FileNew"));
    EXPECT_FALSE(registry.HasHandler("FileOpen"));
    EXPECT_EQ(action("FileNew")->statusTip(), QStringLiteral("Neues Dokument"));

    registry.Update(TWindowSnapshot{});
    EXPECT_TRUE(action("FileNew")->isEnabled());
    EXPECT_FALSE(action("FileSave")->isEnabled());
    EXPECT_FALSE(action("EditCopy")->isEnabled());
    EXPECT_FALSE(action("FileTemplateSettings")->isVisible());
    EXPECT_FALSE(action("FileOpen")->isEnabled()); // always allowed, but not built

    TWindowSnapshot s = oneDocument();
    s.modified = s.hasSelection = s.isTemplate = true;
    s.statusBarVisible = false;
    registry.Update(s);
    EXPECT_TRUE(action("FileSave")->isEnabled());
    EXPECT_TRUE(action("EditCopy")->isEnabled());
    EXPECT_TRUE(action("FileTemplateSettings")->isVisible());
    EXPECT_TRUE(action("ToggleStatusBar")->isCheckable());
    EXPECT_FALSE(action("ToggleStatusBar")->isChecked());

    action("FileSave")->trigger();
    action("EditCopy")->trigger();
    action("FileOpen")->trigger();
    EXPECT_EQ(controller.fired, QStringList({"FileSave", "EditCopy"}));

    registry.Update(TWindowSnapshot{});
    action("FileSave")->trigger();
    EXPECT_EQ(controller.fired.size(), 2);
    EXPECT_TRUE(action("ToggleStatusBar")->isChecked());
}

TEST_F(CommandRegistryTest, MisspeltRegistrationFailsAtOnce)
{
    EXPECT_THROW(registry.SetHandler("FileSafe", [] {}), std::invalid_argument);
}

TEST_F(CommandRegistryTest, UserShortcutsFromStoredCodes)
{
    int rebuilt = 0;
    QObject::connect(&registry, &TActionRegistry::shortcutsChanged, [&] { ++rebuilt; });
    registry.ApplyShortcutCodes({{"FileNew", quint16(0x4000 | 0x2000 | 'K')},
                                 {"FileSave", quint16(0)},
                                 {"NoSuchAction", quint16(0x4000 | 'Q')}});
    EXPECT_EQ(action("FileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+K")));
    EXPECT_TRUE(action("FileSave")->shortcut().isEmpty());
    EXPECT_EQ(rebuilt, 1);
}

TEST_F(CommandRegistryTest, ActionsAddedInABatchAreAnnouncedOnceAtItsEnd)
{
    int announced = 0;
    QObject::connect(&registry, &TActionRegistry::shortcutsChanged, [&] { ++announced; });
    {
        const TActionRegistry::TBatch outer(registry);
        registry.Add({QStringLiteral("Generated1"), QStringLiteral("Test"), QStringLiteral("Eins")});
        {
            const TActionRegistry::TBatch inner(registry);
            registry.Add({QStringLiteral("Generated2"), QStringLiteral("Test"), QStringLiteral("Zwei")});
            registry.SetShortcut(QStringLiteral("Generated2"), QKeySequence(QStringLiteral("Ctrl+F12")));
        }
        EXPECT_EQ(announced, 0);
    }
    EXPECT_EQ(announced, 1);
    {
        const TActionRegistry::TBatch empty(registry);
    }
    EXPECT_EQ(announced, 1);
    registry.Add({QStringLiteral("Generated3"), QStringLiteral("Test"), QStringLiteral("Drei")});
    EXPECT_EQ(announced, 2);
}

TEST_F(CommandRegistryTest, UserShortcutsFromTheStudioSettings)
{
    TTalvexStudioShortcutSettings settings;
    settings.SetSettingsItem(QStringLiteral("EditGoto"),
                             TShortcutCode::FromKeySequence(QKeySequence(QStringLiteral("Ctrl+#"))));
    settings.SetSettingsItem(QStringLiteral("FileExit"), 0);
    TCustomShortcuts::Apply(registry, settings);
    EXPECT_EQ(action("EditGoto")->shortcut(), QKeySequence(QStringLiteral("Ctrl+#")));
    EXPECT_TRUE(action("FileExit")->shortcut().isEmpty());
    EXPECT_EQ(action("FileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    // The same stored code means the same key position on a US keyboard.
    TActionRegistry us;
    us.AddAll(TActionCatalogue::Standard(TKeyboardLayout::klUS));
    TCustomShortcuts::Apply(us, settings, TKeyboardLayout::klUS);
    EXPECT_EQ(us.Action("EditGoto")->shortcut(), QKeySequence(QStringLiteral("Ctrl+/")));
}

TEST_F(CommandRegistryTest, SharedShortcutsStandInActionListOrder)
{
    const QList<QAction *> all = registry.Actions();
    QList<QAction *> ctrlD;
    for (QAction *a : all)
        if (a->shortcut() == QKeySequence(QStringLiteral("Ctrl+D")))
            ctrlD << a;
    ASSERT_EQ(ctrlD.size(), 2);
    EXPECT_EQ(ctrlD[0]->objectName(), QStringLiteral("EditDuplicateLine"));
    EXPECT_EQ(ctrlD[1]->objectName(), QStringLiteral("ProjectSaveProject"));
}

} // namespace
