#include "editing/TEditingFeature.h"

#include "catalogues/TDocTypeList.h"
#include "catalogues/TSpecialCharacterList.h"
#include "commands/TActionRegistry.h"
#include "commands/TWindowSnapshot.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "editing/TCharacterTable.h"
#include "editing/TEditingCommands.h"
#include "editing/TEditorKeyHandler.h"
#include "editing/TGeneratedActions.h"
#include "editing/TScintillaEditing.h"
#include "editor/TCodeEditor.h"
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"
#include "generators/TGeneratorCommands.h"
#include "mainwindow/TMainForm.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "settings/TTalvexStudioEditorSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "snippets/TSnippets.h"
#include "utils/VersionInfo.h"

#include <QAction>
#include <QMenu>

namespace {

TTalvexStudioSettings *studioSettings(const TVYRACore &core)
{
    return qobject_cast<TTalvexStudioSettings *>(core.Settings());
}

// Stored colours are 0x00BBGGRR; "none" and system colours give no colour of their own.
QColor colorOf(qint32 value)
{
    if (value < 0 || value == 0x1FFFFFFF)
        return QColor();
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace

TEditingFeature::TEditingFeature(TVYRACore &core, TMainForm &window)
    : m_core(core)
    , m_window(window)
{
    TVYRADocumentContainer *container = core.Container();
    const TActiveEditor activeEditor = [container]() -> std::unique_ptr<TVYRAEditor> {
        const int index = container->GetActiveDocumentIndex();
        return index >= 0 ? container->GetEditor(index) : nullptr;
    };
    m_editing = std::make_unique<TEditingCommands>(activeEditor);
    window.Registry().Install(*m_editing);
    addCatalogueActions();

    TGeneratorCommands::TContext context;
    context.dialogParent = &window;
    context.activeFileName = [this] {
        const TVYRADocument *document = m_window.ActiveDocument();
        return document && document->GetFileExists() ? document->GetFileName() : QString();
    };
    context.projectFiles = [this] {
        QStringList files;
        if (const TVYRAProjectGroupItems *group = m_window.SelectedProjectGroup())
            group->ListFiles(files, false);
        return files;
    };
    context.fontGroups = [this] {
        const TTalvexStudioSettings *settings = studioSettings(m_core);
        return settings ? settings->FontGroups : QStringList();
    };
    context.storeFontGroups = [this](const QStringList &groups) {
        if (TTalvexStudioSettings *settings = studioSettings(m_core))
            settings->FontGroups = groups;
    };
    context.generator = QStringLiteral("Talvex Studio ") + GetVersion(QString(), true);
    m_generators = std::make_unique<TGeneratorCommands>(activeEditor, std::move(context));
    window.Registry().Install(*m_generators);

    TEditorKeyHandler::TSettings keySettings;
    keySettings.closingKinds = [this] {
        const TTalvexStudioSettings *settings = studioSettings(m_core);
        return settings ? settings->Completion()->CloseCharTypes : TCharCompletionTypes();
    };
    keySettings.quickTemplates = [this] {
        const TTalvexStudioSettings *settings = studioSettings(m_core);
        return settings && settings->Completion()->QuickTemplatesEnabled;
    };
    keySettings.snippets = [this]() -> const TSnippetGroup * {
        return m_core.Snippets() ? m_core.Snippets()->RootGroup() : nullptr;
    };
    m_keys = new TEditorKeyHandler(activeEditor, std::move(keySettings), this);

    connect(&window, &TMainForm::documentActivated, this, &TEditingFeature::documentActivated);
    connect(&window, &TMainForm::documentOpened, this, &TEditingFeature::documentActivated);
    window.AddSnapshotContributor([this, container](TWindowSnapshot &snapshot) {
        const int index = container->GetActiveDocumentIndex();
        if (TCodeEditor *code = index >= 0 ? container->GetSynEdit(index) : nullptr) {
            snapshot.selectionMode = TScintillaEditing(code).SelectionMode();
            // A new document's editor may come after its activation was reported.
            m_keys->Attach(code);
        }
    });
    if (TVYRADocument *active = window.ActiveDocument())
        documentActivated(active);
}

TEditingFeature::~TEditingFeature() = default;

void TEditingFeature::addCatalogueActions()
{
    TActionRegistry &registry = m_window.Registry();
    const TActionRegistry::TBatch batch(registry);
    const TDocTypeList docTypes(&m_core);
    QMenu *docTypeMenu = m_window.Menu(QStringLiteral("mnuDocType"));
    for (const TGeneratedActions::TAction &action : TGeneratedActions::DocTypes(docTypes)) {
        if (registry.Action(action.definition.name))
            continue;
        QAction *added = registry.Add(action.definition);
        m_editing->TagInserts().Add(action.definition.name, action.text);
        m_editing->RegisterInsert(registry, action.definition.name);
        if (docTypeMenu)
            docTypeMenu->addAction(added);
    }

    const TSpecialCharacterList characters(&m_core);
    const std::vector<TGeneratedActions::TAction> actions = TGeneratedActions::SpecialCharacters(characters);
    if (actions.empty())
        return;
    m_characterTable = new TCharacterTable;
    for (size_t i = 0; i < actions.size(); ++i) {
        const TGeneratedActions::TAction &action = actions[i];
        if (registry.Action(action.definition.name))
            continue;
        QAction *added = registry.Add(action.definition);
        m_editing->TagInserts().Add(action.definition.name, action.text);
        m_editing->RegisterInsert(registry, action.definition.name);
        // The hint's short part is the entity, its long part the sentence.
        added->setToolTip(action.definition.hint.section(QLatin1Char('|'), 0, 0));
        added->setStatusTip(action.definition.hint.section(QLatin1Char('|'), 1));
        m_characterTable->AddCharacter(*added,
                                       TGeneratedActions::SpecialCharacterButtonName(characters.GetItems(int(i))->Code));
    }
    m_window.AddQuickbarPage(QStringLiteral("tbCharTab"), QStringLiteral("Sonderzeichen"), m_characterTable);
}

void TEditingFeature::documentActivated(TVYRADocument *document)
{
    TVYRADocumentContainer *container = m_core.Container();
    const int index = container->Documents().IndexOf(document);
    TCodeEditor *code = index >= 0 ? container->GetSynEdit(index) : nullptr;
    if (!code)
        return;
    m_keys->Attach(code);
    const TTalvexStudioSettings *settings = studioSettings(m_core);
    const TTalvexStudioEditorSettings *editor = settings ? settings->Editor() : nullptr;
    if (editor)
        TScintillaEditing(code).SetBraceHighlighting(editor->HighlightBrackets, colorOf(editor->BracketForegroundColor),
                                                     colorOf(editor->BracketBackgroundColor));
}

void TEditingFeature::MarkErrorLine(TVYRADocument *document, int line)
{
    TVYRADocumentContainer *container = m_core.Container();
    const int index = container->Documents().IndexOf(document);
    if (TCodeEditor *code = index >= 0 ? container->GetSynEdit(index) : nullptr) {
        code->gotoLine(line);
        TScintillaEditing(code).MarkErrorLine(line - 1);
    }
}
