#include "commands/TActionCatalogue.h"

namespace {

using R = TEnablingRules;

// The functions the commands wait for, named in their hints until built.
const QString Documents = QStringLiteral("Dokumentbefehle (Neu, Öffnen, Speichern, Schließen)");
const QString ProjectAssistant = QStringLiteral("Projektassistent");
const QString RecentFiles = QStringLiteral("Liste der zuletzt geöffneten Dateien");
const QString Templates = QStringLiteral("Vorlagen");
const QString DocumentDialogs = QStringLiteral("Dokumentdialoge");
const QString Printing = QStringLiteral("Drucken und Druckvorschau");
const QString Editing = QStringLiteral("Bearbeitungsbefehle");
const QString Search = QStringLiteral("Suchen und Ersetzen");
const QString LineCommands = QStringLiteral("Zeilenbefehle");
const QString HtmlInsertion = QStringLiteral("HTML-Einfügebefehle");
const QString Generators = QStringLiteral("HTML-Generatoren");
const QString Snippets = QStringLiteral("Code-Snippets");
const QString Bookmarks = QStringLiteral("Lesezeichen");
const QString SettingsDialog = QStringLiteral("Einstellungsdialog");
const QString ShortcutManager = QStringLiteral("Tastenkürzel-Verwaltung");
const QString WindowLayout = QStringLiteral("Fensterverwaltung");
const QString Projects = QStringLiteral("Projektverwaltung");
const QString ToDoList = QStringLiteral("ToDo-Liste");
const QString CodeBrowser = QStringLiteral("Code-Browser");
const QString PhpCheck = QStringLiteral("PHP-Prüfung");
const QString Preview = QStringLiteral("Browservorschau");
const QString FileExplorer = QStringLiteral("Dateiexplorer");
const QString Help = QStringLiteral("Hilfe");
const QString PlugIns = QStringLiteral("Zusatzmodul-Liste");
const QString Updates = QStringLiteral("Update-Assistent");

QString plain(const QString &caption)
{
    QString text = caption;
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    return text;
}

class TCatalogueBuilder
{
public:
    explicit TCatalogueBuilder(TKeyboardLayout layout) : m_layout(layout) {}

    TActionDefinition &add(const QString &name, const QString &category, const QString &caption, const QKeySequence &key,
                     TEnablingRule rule, const QString &missing)
    {
        TActionDefinition definition;
        definition.name = name;
        definition.category = category;
        definition.caption = caption;
        definition.hint = plain(caption);
        definition.shortcut = key;
        definition.enabled = std::move(rule);
        definition.missing = missing;
        m_definitions.push_back(std::move(definition));
        return m_definitions.back();
    }
    TActionDefinition &add(const QString &name, const QString &category, const QString &caption, TEnablingRule rule,
                     const QString &missing)
    {
        return add(name, category, caption, QKeySequence(), std::move(rule), missing);
    }
    // A shortcut given as a stored code (keys named by position).
    QKeySequence code(quint16 value) const { return TShortcutCode::ToKeySequence(value, m_layout); }

    std::vector<TActionDefinition> take() { return std::move(m_definitions); }

private:
    TKeyboardLayout m_layout;
    std::vector<TActionDefinition> m_definitions;
};

QKeySequence key(const char *text)
{
    return QKeySequence(QString::fromLatin1(text), QKeySequence::PortableText);
}

void addFileCommands(TCatalogueBuilder &b)
{
    const QString c = QStringLiteral("Datei");
    b.add("FileNew", c, "&Neues Dokument", key("Ctrl+N"), R::Always, Documents);
    b.add("FileNewProject", c, "Neues &Projekt...", R::Always, ProjectAssistant);
    b.add("FileOpen", c, "Ö&ffnen", key("Ctrl+O"), R::Always, Documents);
    b.add("FileOpenNew", c, "&Neu öffnen", R::Always, RecentFiles);
    b.add("FileOpenTemplate", c, "Vorlage bearbeiten...", R::Always, Templates);
    b.add("FileTemplateSettings", c, "Vorlageneinstellungen", key("Ctrl+T"), R::TemplateDocument, Templates)
        .hideWhenDisabled = true;
    b.add("FileSave", c, "&Speichern", key("Ctrl+S"), R::Save, Documents);
    b.add("FileSaveAs", c, "Speichern &unter...", R::Document, Documents);
    b.add("FileSaveAll", c, "Alle Speichern", R::AnyDocument, Documents);
    b.add("FileClose", c, "&Schließen", key("Alt+F3"), R::ChildWindow, Documents);
    b.add("FileCloseAll", c, "&Alle schließen", R::AnyProjectGroup, Documents);
    b.add("FileProperties", c, "&Eigenschaften", R::Document, DocumentDialogs);
    b.add("FilePrint", c, "&Drucken", key("Ctrl+P"), R::Document, Printing);
    b.add("FilePrintPreview", c, "&Druckvorschau", R::Document, Printing);
    b.add("FileExit", c, "&Beenden", key("Alt+F4"), R::Always, Documents);
}

void addEditCommands(TCatalogueBuilder &b)
{
    const QString c = QStringLiteral("Bearbeiten");
    b.add("EditUndo", c, "&Rückgängig", key("Ctrl+Z"), R::Undo, Editing);
    b.add("EditRedo", c, "&Wiederholen", key("Ctrl+Alt+Z"), R::Redo, Editing);
    b.add("EditCut", c, "&Ausschneiden", key("Ctrl+X"), R::EditableSelection, Editing);
    b.add("EditCopy", c, "&Kopieren", key("Ctrl+C"), R::Selection, Editing);
    b.add("EditPaste", c, "&Einfügen", key("Ctrl+V"), R::Paste, Editing);
    b.add("EditDelete", c, "Löschen", key("Del"), R::EditableSelection, Editing);
    b.add("EditSelectAll", c, "&Alles markieren", key("Ctrl+A"), R::Document, Editing);
    b.add("EditSearch", c, "&Suchen...", key("Ctrl+F"), R::Document, Search);
    b.add("EditReplace", c, "E&rsetzen", key("Ctrl+R"), R::Document, Search);
    b.add("EditSearchMore", c, "Weitersuchen", key("F3"), R::Document, Search);
    b.add("EditGoto", c, "Gehe zu...", key("Ctrl+G"), R::Document, Documents);
    b.add("EditRemoveLine", c, "Zeile löschen", key("Ctrl+Y"), R::Line, LineCommands);
    b.add("EditDuplicateLine", c, "Zeile duplizieren", key("Ctrl+D"), R::Line, LineCommands);
    b.add("EditLineUp", c, "Zeile nach oben", key("Ctrl+Shift+Up"), R::LineNotFirst, LineCommands);
    b.add("EditLineDown", c, "Zeile nach unten", key("Ctrl+Shift+Down"), R::LineNotLast, LineCommands);
    b.add("EditUpperCase", c, "in Grossbuchstaben umwandeln", R::EditableSelection, LineCommands);
    b.add("EditLowerCase", c, "in Kleinbuchstaben umwandeln", R::EditableSelection, LineCommands);
}

void addTagCommands(TCatalogueBuilder &b)
{
    const QString f = QStringLiteral("Format");
    const QString w = QStringLiteral("Webform");
    const QString l = QStringLiteral("Listen");
    const QString t = QStringLiteral("Tabellen");
    b.add("FormatLineBreak", f, "Zeilenum&bruch", key("Ctrl+B"), R::Document, HtmlInsertion);
    b.add("FormatBold", f, "&Fett", R::Document, HtmlInsertion);
    b.add("FormatItalics", f, "&Kursiv", R::Document, HtmlInsertion);
    b.add("FormatUnderline", f, "&Unterstrichen", R::Document, HtmlInsertion);
    b.add("FormatStrikeout", f, "&Durchgestrichen", R::Document, HtmlInsertion);
    b.add("FormatAlignLeft", f, "Linksbündig", R::Document, HtmlInsertion);
    b.add("FormatAlignCenter", f, "Zentriert", R::Document, HtmlInsertion);
    b.add("FormatAlignRight", f, "Rechtsbündig", R::Document, HtmlInsertion);
    b.add("FormatAlignJustify", f, "Blocksatz", R::Document, HtmlInsertion);
    b.add("FormatInputForm", w, "&Formular", R::Document, HtmlInsertion);
    b.add("FormatInputText", w, "&Textfeld", R::Document, HtmlInsertion);
    b.add("FormatInputMultilineText", w, "&Mehrzeiliges Textfeld", R::Document, HtmlInsertion);
    b.add("FormatInputCheck", w, "&Checkbox", R::Document, HtmlInsertion);
    b.add("FormatInputRadio", w, "&Radiobutton", R::Document, HtmlInsertion);
    b.add("FormatInputButton", w, "Schaltfläche", R::Document, HtmlInsertion);
    b.add("FormatInputComboBox", w, "&ComboBox", R::Document, HtmlInsertion);
    b.add("FormatListElement", l, "Listenelement", R::Document, HtmlInsertion);
    b.add("FormatListDefault", l, "Liste (runde Standard-Bullets)", R::Document, HtmlInsertion);
    b.add("FormatListCircle", l, "Liste (runde Bullets)", R::Document, HtmlInsertion);
    b.add("FormatListSquare", l, "Liste (eckige Bullets)", R::Document, HtmlInsertion);
    b.add("FormatList_Numeric", l, "Geordnete Liste (1, 2, 3...)", R::Document, HtmlInsertion);
    b.add("FormatList_ASmall", l, "Geordnete Liste (a, b, c...)", R::Document, HtmlInsertion);
    b.add("FormatList_ALarge", l, "Geordnete Liste (A, B, C...)", R::Document, HtmlInsertion);
    b.add("FormatList_Roman", l, "Geordnete Liste (I, II, III...)", R::Document, HtmlInsertion);
    b.add("FormatList_RomanSmall", l, "Geordnete Liste (i, ii, iii...)", R::Document, HtmlInsertion);
    b.add("FormatComment", f, "in HTML-Kommentar einbetten", R::Document, HtmlInsertion);
    b.add("InsertDefaultTable", t, "Tabellengerüst einfügen", R::Document, HtmlInsertion);
    b.add("InsertTableRow", t, "Zeile einfügen", R::Document, HtmlInsertion);
    b.add("InsertTableCol", t, "Spalte einfügen", R::Document, HtmlInsertion);
    b.add("InsertTableHeader", t, "Tabellenkopf einfügen", R::Document, HtmlInsertion);
    for (int level = 1; level <= 6; ++level)
        b.add(QStringLiteral("FormatInsertH%1").arg(level), f, QStringLiteral("Überschrift %1. Ordnung").arg(level),
              R::Document, HtmlInsertion);
    // Alt + the comma key and Alt + the period key.
    b.add("FormatHTMLStartTags", f, "HTML-Starttag", b.code(TShortcutCode::Alt | 0xBC), R::Document, HtmlInsertion);
    b.add("FormatHTMLEndTags", f, "HTML-Endtag", b.code(TShortcutCode::Alt | 0xBE), R::Document, HtmlInsertion);
}

void addEditorCommands(TCatalogueBuilder &b)
{
    const QString f = QStringLiteral("Format");
    // Ctrl + the key right of "Ä" ("#" on a German keyboard, "/" on a US one).
    b.add("FormatTogglePHPComment", f, "Kommentar umschalten (PHP)", b.code(TShortcutCode::Ctrl | 0xBF), R::Line,
          LineCommands);
    b.add("FormatIncreaseIndent", f, "Einzug vergrößern", key("Ctrl+Shift+I"), R::Document, LineCommands);
    b.add("FormatDecreaseIndent", f, "Einzug verkleinern", key("Ctrl+Shift+U"), R::Document, LineCommands);
    b.add("FormatBreakLines", f, "Zeilen automatisch umbrechen", R::CodeEditor, LineCommands).checked =
        [](const TWindowSnapshot &s) { return s.hasActiveDocument && s.wordWrap; };
    const char *modes[] = {"FormatSelectTypeDefault", "FormatSelectTypeLine", "FormatSelectTypeColumn"};
    const char *captions[] = {"Normal", "Zeile", "Block"};
    const char *keys[] = {"Ctrl+Shift+N", "Ctrl+Shift+L", "Ctrl+Shift+C"};
    for (int mode = 0; mode < 3; ++mode)
        b.add(modes[mode], f, captions[mode], key(keys[mode]), R::CodeEditor, LineCommands).checked =
            [mode](const TWindowSnapshot &s) { return s.hasActiveDocument && s.selectionMode == mode; };

    const QString s = QStringLiteral("Snippet");
    b.add("SnippetInsert", s, "Einfügen", R::Document, Snippets);
    b.add("SnippetEdit", s, "Bearbeiten...", R::Document, Snippets);
    b.add("FormatCreateSnippetFromSelText", s, "Code-Snippet erstellen...", R::Selection, Snippets);

    b.add("FormatFont", f, "Schriftart...", R::Document, Generators);
    b.add("FormatSelectColor", f, "Farbe...", R::Document, Generators);
    b.add("FormatInsertImage", f, "Bild...", R::Document, Generators);
    b.add("FormatInsertLink", f, "Link...", R::Document, Generators);
    b.add("InsertTable", QStringLiteral("Tabellen"), "Tabelle...", R::Document, Generators);
    b.add("FormatInsertMetaTags", f, "META-Tags...", R::Document, Generators);
    b.add("FormatInsertExternalCss", f, "Externes Stylesheet...", R::Document, Generators);

    const QString m = QStringLiteral("Lesezeichen");
    for (int n = 0; n <= 9; ++n)
        b.add(QStringLiteral("BookmarkGoto%1").arg(n), m, QStringLiteral("Gehe zu Lesezeichen %1").arg(n),
              QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_0 + n))), R::CodeEditor, Bookmarks);
    for (int n = 0; n <= 9; ++n)
        b.add(QStringLiteral("BookmarkSet%1").arg(n), m, QStringLiteral("Setze Lesezeichen %1").arg(n),
              QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key(Qt::Key_0 + n))),
              R::CodeEditor, Bookmarks);
}

void addGuiCommands(TCatalogueBuilder &b)
{
    const QString c = QStringLiteral("GUI");
    b.add("SettingsShow", c, "Einstellungen", key("Ctrl+E"), R::Always, SettingsDialog);
    b.add("ShortcutManager", c, "Tastenkürzel verwalten...", R::Always, ShortcutManager);
    b.add("ToggleStatusBar", c, "Statusleiste", R::Always, WindowLayout).checked =
        [](const TWindowSnapshot &s) { return s.statusBarVisible; };
}

void addProjectCommands(TCatalogueBuilder &b)
{
    const QString c = QStringLiteral("Projekt");
    b.add("ProjectAdd", c, "Dem Projekt hinzufügen...", key("Shift+F11"), R::Project, Projects);
    b.add("ProjectRemove", c, "Aus dem Projekt entfernen", R::Project, Projects);
    b.add("ProjectAlphaSort", c, "Alphabetisch sortieren", R::Project, Projects);
    b.add("ProjectUpdateView", c, "Ansicht aktualisieren", R::Project, Projects);
    b.add("ProjectShowFile", c, "Datei anzeigen", R::Project, Projects);
    b.add("ProjectCloseFile", c, "Datei schließen", R::Project, Projects);
    b.add("ProjectProperties", c, "Eigenschaften...", R::Project, Projects);
    b.add("ProjectSettings", c, "Projekteinstellungen...", R::Project, Projects);
    b.add("ProjectEditTemplate", c, "Projektvorlage bearbeiten", R::Project, Projects);
    b.add("ProjectSaveUnsavedFiles", c, "Ungespeicherte Dateien speichern", R::Project, Projects);
    b.add("ProjectSaveProject", c, "Projekt speichern", key("Ctrl+D"), R::Project, Projects);
    b.add("ProjectSaveProjectAs", c, "Projekt speichern unter...", R::Project, Projects);
    b.add("ProjectSaveAllFiles", c, "Alle Dateien speichern", key("Ctrl+Shift+D"), R::Project, Projects);
    b.add("ProjectCloseProject", c, "Projekt schließen", key("Alt+F2"), R::Project, Projects);

    const QString t = QStringLiteral("ToDo");
    b.add("ToDoAddEntry", t, "ToDo-Eintrag hinzufügen", R::Project, ToDoList);
    b.add("ToDoRemoveEntry", t, "ToDo-Eintrag entfernen", R::ToDoEntry, ToDoList);
    b.add("ToDoEditEntry", t, "ToDo-Eintrag bearbeiten...", R::ToDoEntry, ToDoList);
    b.add("ToDoToggleDoneStatus", t, "ToDo-Eintrag erledigt?", R::ToDoEntry, ToDoList);
    b.add("ToDoRemoveDoneEntries", t, "Erledigte ToDo-Einträge löschen", R::Project, ToDoList);
}

void addToolCommands(TCatalogueBuilder &b)
{
    const QString c = QStringLiteral("CodeBrowser");
    b.add("CodeBrowserUpdate", c, "&Aktualisieren", R::Document, CodeBrowser);
    b.add("CodeBrowserJumpToLine", c, "Springe zum ausgewählten Element", R::Document, CodeBrowser);
    b.add("CodeBrowserShowProcedureList", c, "PHP Methodenliste", key("Ctrl+Shift+G"), R::Document, CodeBrowser)
        .hint = QStringLiteral("Zeigt eine Liste aller Methoden im PHP Quelltext an.");

    const QString d = QStringLiteral("Fehlersuche");
    b.add("PHPErrorCheck", d, "PHP Fehlerprüfung", key("F9"), R::Document, PhpCheck);
    b.add("PHPSyntaxCheck", d, "PHP Syntaxprüfung", R::Document, PhpCheck);
    b.add("Glimpane", d, "&Browservorschau", key("Shift+F12"), R::Document, Preview).hint =
        QStringLiteral("Zeigt eine Vorschau des Dokumentes im Browser an");
    b.add("LocalHostPreview", d, "Vorschau über localhost", R::Document, Preview);
}

void addExplorerCommands(TCatalogueBuilder &b)
{
    const QString c = QStringLiteral("Dateiexplorer");
    const char *views[] = {"FileExplorerViewIcon", "FileExplorerViewSmallIcon", "FileExplorerViewList",
                           "FileExplorerViewReport", "FileExplorerViewThumbnails"};
    const char *captions[] = {"Symbole", "Kleine Symbole", "Liste", "Details", "Miniaturansicht"};
    for (int mode = 0; mode < 5; ++mode)
        b.add(views[mode], c, captions[mode], R::Always, FileExplorer).checked =
            [mode](const TWindowSnapshot &s) { return s.explorerViewMode == mode; };
    b.add("FileExplorerGotoFileDir", c, "...zum Verzeichnis der aktuellen Datei", R::DocumentWithFile, FileExplorer);
    b.add("FileExplorerGotoProjectDir", c, "...zum Projektverzeichnis", R::ProjectWithFolder, FileExplorer);
    b.add("FileExplorerOpenFolderWindows", c, "Ordner im Windows Explorer öffnen", R::ExplorerFolder, FileExplorer);
    b.add("FileExplorerShowAllTypes", c, "Alle Dateitypen", R::Always, FileExplorer).checked =
        [](const TWindowSnapshot &s) { return s.explorerShowAllTypes; };
    b.add("FileExplorerShowSupportedOnly", c, "Nur unterstützte Dateien anzeigen", R::Always, FileExplorer).checked =
        [](const TWindowSnapshot &s) { return !s.explorerShowAllTypes; };
}

void addHelpAndWindowCommands(TCatalogueBuilder &b)
{
    const QString h = QStringLiteral("Hilfe");
    b.add("HelpShowHelpFile", h, "&Hilfedatei anzeigen", key("F1"), R::Always, Help);
    b.add("HelpShowPlugins", h, "Zusatzmodule...", R::Always, PlugIns);
    b.add("HelpSearchForUpdates", h, "Online nach Updates suchen...", R::Always, Updates);
    b.add("HelpAbout", h, "&Info über Talvex Studio...", R::Always, Help);

    const QString w = QStringLiteral("Fenster");
    b.add("WindowCascade", w, "Ü&berlappend", R::ChildWindow, WindowLayout);
    b.add("WindowTileHorizontal", w, "Hori&zontal anordnen", R::ChildWindow, WindowLayout);
    b.add("WindowTileVertical", w, "&Vertikal anordnen", R::ChildWindow, WindowLayout);
    b.add("WindowMinimizeAll", w, "&Alle verkleinern", R::ChildWindow, WindowLayout);
    b.add("WindowArrangeAll", w, "Alle an&ordnen", R::ChildWindow, WindowLayout);
}

} // namespace

std::vector<TActionDefinition> TActionCatalogue::Standard(TKeyboardLayout layout)
{
    TCatalogueBuilder builder(layout);
    addFileCommands(builder);
    addEditCommands(builder);
    addTagCommands(builder);
    addEditorCommands(builder);
    addGuiCommands(builder);
    addProjectCommands(builder);
    addToolCommands(builder);
    addExplorerCommands(builder);
    addHelpAndWindowCommands(builder);
    return builder.take();
}
