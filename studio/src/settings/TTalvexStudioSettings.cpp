#include "settings/TTalvexStudioSettings.h"

namespace {

struct DockDefault {
    const char *name;
    TDockPosition dockedAt;
    int positionIdx;
};

constexpr DockDefault DockDefaults[] = {
    {"tbFileExplorer", dsBottom, 0},    {"tbPHPMessages", dsBottom, 1}, {"tbToDoList", dsBottom, 2},
    {"tbProjectExplorer", dsLeft, 0},   {"tbCodeBrowser", dsLeft, 1},   {"tbWebPalette", dsLeft, 2},
    {"tbTagInspector", dsRight, 0},     {"tbCodeSnippets", dsRight, 1}, {"tbCharTab", dsRight, 2},
};

struct ToolbarDefault {
    const char *name;
    int dockPos;
    int dockRow;
    int width;
};

constexpr ToolbarDefault ToolbarDefaults[] = {
    {"ttbFileBar", 1, 1, 137},     {"ttbEditBar", 75, 1, 131},      {"tbtPrintBar", 216, 1, 56},
    {"tbtFormatBar", 217, 1, 102}, {"tbtSearchBar", 306, 1, 79},    {"tbtAdvancedBar", 415, 1, 85},
    {"tbtProjectList", 1, 2, 33},  {"tbtMdiWindowList", 1, 3, 33},
};

void setBar(TTalvexStudioBarElement *bar, int size)
{
    bar->Visible = true;
    bar->Size = size;
    bar->DockRow = 0;
}

} // namespace

TTalvexStudioSettings::TTalvexStudioSettings(const QString &fileName, bool initNow, QObject *parent)
    : TVYRASettings(fileName, TDeferInit{}, parent)
{
    Construct(initNow);
}

TTalvexStudioSettings::~TTalvexStudioSettings() = default;

TSettingsFactory TTalvexStudioSettings::factory()
{
    return [](const QString &fileName, bool initNow) -> std::unique_ptr<TVYRASettings> {
        return std::make_unique<TTalvexStudioSettings>(fileName, initNow);
    };
}

void TTalvexStudioSettings::InitialiseClasses()
{
    TVYRASettings::InitialiseClasses();
    Replace(m_view, new TTalvexStudioViewSettings);
    Replace(m_search, new TTalvexStudioSearchSettings);
    Replace(m_docks, new TTalvexStudioDockSettings);
    Replace(m_php, new TTalvexStudioPHPSettings);
    Replace(m_browsers, new TTalvexStudioBrowserSettings);
    Replace(m_toolbars, new TTalvexStudioToolbarSettings);
    Replace(m_customShortcuts, new TTalvexStudioShortcutSettings);
    Replace(m_completion, new TTalvexStudioCompletionSettings);
    FontGroups.clear();
    SetDefaultEditor(new TTalvexStudioDefaultEditor);
    SetEditor(new TTalvexStudioEditorSettings);
    SetAdvanced(new TTalvexStudioAdvancedSettings);
    SetRootName(QStringLiteral("talvexstudiosettings"));
}

void TTalvexStudioSettings::SetDefaultSettings()
{
    TVYRASettings::SetDefaultSettings();

    m_view->Views = vcTabIcon;
    m_view->StartMaximized = true;
    m_view->MultiLineDocumentBar = false;
    m_view->ReLoadDocsOnStartUp = true;
    m_view->VisualStyle.clear();
    m_view->SkipDefaultGroupSaveDialog = false;

    m_search->SearchHistory.clear();
    m_search->LastOptions = {};

    setBar(m_docks->LeftQuickbar(), 244);
    setBar(m_docks->BottomQuickbar(), 172);
    setBar(m_docks->RightQuickbar(), 244);
    m_docks->FileExplorerSettings()->StorePath = false;
    m_docks->FileExplorerSettings()->FileExplorerPath.clear();
    m_docks->FileExplorerSettings()->ShowAllFiles = false;

    // Linux counterparts of the Windows defaults.
    m_php->PHPExeFile = QStringLiteral("/usr/bin/php");
    m_php->PreviewUnknownExt = false;
    m_php->WebServerPath = QStringLiteral("/var/www/html/");

    FontGroups.clear();

    DefaultEditor()->WordWrap = true;
    DefaultEditor()->DefaultHighlighter = QStringLiteral("multi_htmlphpcssjavascript");

    TTalvexStudioEditorSettings *editor = Editor();
    editor->HighlightBrackets = true;
    editor->BracketForegroundColor = TTalvexStudioEditorSettings::NoColor;
    editor->BracketBackgroundColor = 0x00FFFF00;
    editor->SynActiveLineColor = 0x00EAFFFF;
    editor->SynLineForeColor = 0x00FFFFFF;
    editor->SynLineBackColor = 0x00A56D53;

    Advanced()->WarnUnsupportedFileOpenAttempt = true;
    Advanced()->CheckUpdatesOnStart = true;

    m_completion->CodeCompletionEnabled = true;
    m_completion->CloseCharTypes = TTalvexStudioCompletionSettings::AllCloseCharTypes;
    m_completion->QuickTemplatesEnabled = true;
}

void TTalvexStudioSettings::ResetDefaultSettings()
{
    TVYRASettings::ResetDefaultSettings();
    ClearCollections();
    SetCollectionDefaultSettings();
}

void TTalvexStudioSettings::ClearCollections()
{
    m_docks->DockItems()->Clear();
    m_docks->WebpaletteSettings()->Clear();
    m_docks->CodeSnippetSettings()->Clear();
    m_browsers->Clear();
    m_toolbars->Clear();
    m_customShortcuts->Clear();
}

void TTalvexStudioSettings::SetCollectionDefaultSettings()
{
    for (const DockDefault &dock : DockDefaults)
        m_docks->DockItems()->SetDockSettings(QString::fromLatin1(dock.name), true, dock.dockedAt, dock.positionIdx);
    for (const ToolbarDefault &bar : ToolbarDefaults)
        m_toolbars->SetToolbarSettings(QString::fromLatin1(bar.name), false, true, bpTop, bar.dockPos, bar.dockRow,
                                       bar.width);
}

void TTalvexStudioSettings::PrepareLoad()
{
    TVYRASettings::PrepareLoad();
    ClearCollections();
}

TTalvexStudioDefaultEditor *TTalvexStudioSettings::DefaultEditor() const
{
    return qobject_cast<TTalvexStudioDefaultEditor *>(TVYRASettings::DefaultEditor());
}

TTalvexStudioEditorSettings *TTalvexStudioSettings::Editor() const
{
    return qobject_cast<TTalvexStudioEditorSettings *>(TVYRASettings::Editor());
}

TTalvexStudioAdvancedSettings *TTalvexStudioSettings::Advanced() const
{
    return qobject_cast<TTalvexStudioAdvancedSettings *>(TVYRASettings::Advanced());
}
