#include "commands/TStandardMenuLayout.h"

namespace {

TMenuEntry I(const char *name)
{
    return TMenuEntry::Item(QString::fromLatin1(name));
}

TMenuEntry S()
{
    return TMenuEntry::Separator();
}

TMenuEntry fileMenu()
{
    // The "Neu" submenu keeps its first three items; the templates follow them.
    return TMenuEntry::Menu("mnuFile", "&Datei",
                            {TMenuEntry::Menu("mnuNew", "&Neu", {I("FileNew"), I("FileNewProject"), S()}),
                             I("FileOpen"), I("FileOpenNew"), I("FileOpenTemplate"), S(),
                             I("FileSave"), I("FileSaveAs"), I("FileSaveAll"), S(),
                             I("FileClose"), I("FileCloseAll"), S(),
                             I("FileTemplateSettings"), I("FileProperties"), S(),
                             I("FilePrint"), I("FilePrintPreview"), S(),
                             I("FileExit")});
}

TMenuEntry bookmarkMenu()
{
    std::vector<TMenuEntry> gotoItems;
    std::vector<TMenuEntry> setItems;
    for (int n = 0; n <= 9; ++n) {
        gotoItems.push_back(TMenuEntry::Item(QStringLiteral("BookmarkGoto%1").arg(n)));
        setItems.push_back(TMenuEntry::Item(QStringLiteral("BookmarkSet%1").arg(n)));
    }
    return TMenuEntry::Menu("mnuBookmarks", "&Lesezeichen",
                            {TMenuEntry::Menu("mnuGotoBookmark", "&Gehe zu Lesezeichen", std::move(gotoItems)),
                             TMenuEntry::Menu("mnuSetBookmark", "&Setze Lesezeichen", std::move(setItems))});
}

TMenuEntry editMenu()
{
    return TMenuEntry::Menu("mnuEdit", "&Bearbeiten",
                            {I("EditUndo"), I("EditRedo"), S(),
                             I("EditCut"), I("EditCopy"), I("EditPaste"), I("EditDelete"), S(),
                             I("EditSelectAll"), S(),
                             I("EditSearch"), I("EditReplace"), I("EditSearchMore"), I("EditGoto"), S(),
                             I("EditRemoveLine"), I("EditDuplicateLine"), I("EditLineUp"), I("EditLineDown"), S(),
                             I("EditUpperCase"), I("EditLowerCase"), S(),
                             I("FormatTogglePHPComment"), I("FormatIncreaseIndent"), I("FormatDecreaseIndent"), S(),
                             TMenuEntry::Menu("mnuSelectionMode", "&Markierungsmodus",
                                              {I("FormatSelectTypeDefault"), I("FormatSelectTypeLine"),
                                               I("FormatSelectTypeColumn")}),
                             bookmarkMenu()});
}

TMenuEntry formatMenu()
{
    return TMenuEntry::Menu(
        "mnuFormat", "F&ormat",
        {I("FormatLineBreak"), S(),
         I("FormatBold"), I("FormatItalics"), I("FormatUnderline"), I("FormatStrikeout"), S(),
         I("FormatAlignLeft"), I("FormatAlignCenter"), I("FormatAlignRight"), I("FormatAlignJustify"), S(),
         TMenuEntry::Menu("mnuHeadings", "Ü&berschriften",
                          {I("FormatInsertH1"), I("FormatInsertH2"), I("FormatInsertH3"), I("FormatInsertH4"),
                           I("FormatInsertH5"), I("FormatInsertH6")}),
         I("FormatFont"), I("FormatSelectColor"), S(),
         I("FormatComment"), I("FormatHTMLStartTags"), I("FormatHTMLEndTags"), S(),
         I("FormatBreakLines")});
}

TMenuEntry insertMenu()
{
    return TMenuEntry::Menu(
        "mnuInsert", "&Einfügen",
        {TMenuEntry::Menu("mnuWebform", "&Formular",
                          {I("FormatInputForm"), I("FormatInputText"), I("FormatInputMultilineText"),
                           I("FormatInputCheck"), I("FormatInputRadio"), I("FormatInputButton"),
                           I("FormatInputComboBox")}),
         TMenuEntry::Menu("mnuLists", "&Listen",
                          {I("FormatListElement"), S(), I("FormatListDefault"), I("FormatListCircle"),
                           I("FormatListSquare"), S(), I("FormatList_Numeric"), I("FormatList_ASmall"),
                           I("FormatList_ALarge"), I("FormatList_Roman"), I("FormatList_RomanSmall")}),
         TMenuEntry::Menu("mnuTables", "&Tabellen",
                          {I("InsertTable"), S(), I("InsertDefaultTable"), I("InsertTableRow"),
                           I("InsertTableCol"), I("InsertTableHeader")}),
         // Filled with the document types at run time.
         TMenuEntry::Menu("mnuDocType", "!DOCTYPE Angabe", {}),
         S(),
         I("FormatInsertImage"), I("FormatInsertLink"), I("FormatInsertMetaTags"), I("FormatInsertExternalCss"), S(),
         I("SnippetInsert"), I("SnippetEdit"), I("FormatCreateSnippetFromSelText")});
}

TMenuEntry projectMenu()
{
    return TMenuEntry::Menu(
        "mnuProject", "&Projekt",
        {I("ProjectAdd"), I("ProjectRemove"), S(),
         I("ProjectShowFile"), I("ProjectCloseFile"), S(),
         I("ProjectAlphaSort"), I("ProjectUpdateView"), S(),
         I("ProjectSaveUnsavedFiles"), I("ProjectSaveProject"), I("ProjectSaveProjectAs"), I("ProjectSaveAllFiles"),
         S(),
         I("ProjectProperties"), I("ProjectSettings"), I("ProjectEditTemplate"), S(),
         TMenuEntry::Menu("mnuToDo", "&ToDo-Liste",
                          {I("ToDoAddEntry"), I("ToDoEditEntry"), I("ToDoRemoveEntry"), I("ToDoToggleDoneStatus"),
                           S(), I("ToDoRemoveDoneEntries")}),
         S(),
         I("ProjectCloseProject")});
}

TMenuEntry toolsMenu()
{
    return TMenuEntry::Menu(
        "mnuTools", "&Werkzeuge",
        {I("PHPErrorCheck"), I("PHPSyntaxCheck"), S(), I("Glimpane"), I("LocalHostPreview"), S(),
         I("CodeBrowserUpdate"), I("CodeBrowserJumpToLine"), I("CodeBrowserShowProcedureList")});
}

TMenuEntry extrasMenu()
{
    return TMenuEntry::Menu(
        "mnuExtras", "E&xtras",
        {I("SettingsShow"), I("ShortcutManager"), S(), I("ToggleStatusBar"),
         // The tool-bar and quick-bar toggles are added at run time.
         TMenuEntry::Menu("mnuToolbars", "&Symbolleisten", {}),
         TMenuEntry::Menu("mnuFileExplorer", "&Dateiexplorer",
                          {I("FileExplorerViewIcon"), I("FileExplorerViewSmallIcon"), I("FileExplorerViewList"),
                           I("FileExplorerViewReport"), I("FileExplorerViewThumbnails"), S(),
                           I("FileExplorerShowAllTypes"), I("FileExplorerShowSupportedOnly"), S(),
                           I("FileExplorerGotoFileDir"), I("FileExplorerGotoProjectDir"),
                           I("FileExplorerOpenFolderWindows")})});
}

TMenuEntry windowMenu()
{
    return TMenuEntry::Menu("mnuWindow", "&Fenster",
                            {I("WindowCascade"), I("WindowTileHorizontal"), I("WindowTileVertical"), S(),
                             I("WindowMinimizeAll"), I("WindowArrangeAll")});
}

TMenuEntry helpMenu()
{
    return TMenuEntry::Menu("mnuHelp", "&Hilfe",
                            {I("HelpShowHelpFile"), I("HelpShowPlugins"), S(), I("HelpSearchForUpdates"), S(),
                             I("HelpAbout")});
}

} // namespace

std::vector<TMenuEntry> TStandardMenuLayout::MainMenu()
{
    return {fileMenu(),    editMenu(),   formatMenu(), insertMenu(), projectMenu(),
            toolsMenu(),   extrasMenu(), windowMenu(), helpMenu()};
}

std::vector<TMenuEntry> TStandardMenuLayout::MainToolBar()
{
    return {I("FileNew"), I("FileOpen"), I("FileSave"), I("FileSaveAll"), S(),
            I("FilePrint"), S(),
            I("EditCut"), I("EditCopy"), I("EditPaste"), S(),
            I("EditUndo"), I("EditRedo"), S(),
            I("EditSearch"), I("EditReplace"), S(),
            I("PHPErrorCheck"), I("Glimpane")};
}
