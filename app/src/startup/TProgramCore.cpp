#include "startup/TProgramCore.h"

#include "completion/TVYRACodeCompletionService.h"
#include "framework/TVYRACore.h"
#include "highlighter/TSynMultiSynPCRE.h"
#include "container/TVYRADocumentContainer.h"
#include "projects/TTalvexStudioDocument.h"
#include "projects/TTalvexStudioProject.h"
#include "settings/TTalvexStudioSettings.h"
#include "startup/TProgramEditorServices.h"
#include "utils/VYRAExceptions.h"

#include <QDir>

const QString &TProgramCore::ProjectRecognizer()
{
    return _TVS_PROJECT;
}

const QString &TProgramCore::DefaultHighlighterName()
{
    static const QString name = QStringLiteral("Kein");
    return name;
}

TProgramCore::TProgramCore(StatusCallback status)
    : m_status(std::move(status))
{
}

TProgramCore::~TProgramCore() = default;

std::unique_ptr<TVYRACore> TProgramCore::Create(const TDataFolders &folders)
{
    m_status(QStringLiteral("Core Services initialisieren..."));
    // Project files are written with this root, so it must be in place before the core reads any.
    // The recognisers are fixed once any core exists; a second core of the process finds it set.
    if (TVYRACore::GetFileTypeRecognizer(ftProject) != ProjectRecognizer())
        TVYRACore::SetFileTypeRecognizer(ftProject, ProjectRecognizer());

    TVYRACoreConfig config{nullptr, folders.programBase, folders.commonData, folders.userData,
                           TVYRAEditorTypes::etBoth, true, {}};
    config.classes.settings = TTalvexStudioSettings::factory();
    config.classes.highlighters = TSynMultiSynPCRE::factory();
    config.classes.projectGroups = TTalvexStudioProject::Factory();
    config.classes.documents = TTalvexStudioDocument::factory();
    auto core = std::make_unique<TVYRACore>(config);
    // The program's window holds any number of documents.
    core->Container()->SetMDISupported(true);
    core->SetProductCaption(QStringLiteral("Talvex Studio"));
    if (QDir().mkpath(folders.projects))
        core->SetProjectDir(folders.projects);

    m_status(QStringLiteral("Daten werden geladen..."));
    loadData(*core);
    return core;
}

void TProgramCore::loadData(TVYRACore &core)
{
    reportDamaged(TProgramEditorServices::LoadRegistries(core));
    core.SetDefaultHighlighterName(DefaultHighlighterName());
    loadCompletion(core);
}

void TProgramCore::loadCompletion(const TVYRACore &core)
{
    try {
        // Entries of older versions under the settings key come first, then the shipped catalogues.
        m_completion = std::make_unique<TVYRACodeCompletionService>(
            core.RegistryRoot(), core.RegistryKey() + QStringLiteral("\\CodeCompletation"));
        reportDamaged(m_completion->LoadProgramCatalogues(core.GetAppDataDir(), core.UserDataDir()));
    } catch (const EVYRAException &error) {
        reportDamaged(error.message());
    }
}

void TProgramCore::reportDamaged(const QString &text)
{
    if (text.isEmpty())
        return;
    if (!m_dataFileError.isEmpty())
        m_dataFileError += QStringLiteral("\n\n");
    m_dataFileError += text;
}

bool TProgramCore::CompletionEnabled(const TVYRACore &core)
{
    const auto *settings = dynamic_cast<const TTalvexStudioSettings *>(core.Settings());
    return !settings || !settings->Completion() || settings->Completion()->CodeCompletionEnabled;
}
