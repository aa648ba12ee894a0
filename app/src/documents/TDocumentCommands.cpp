#include "documents/TDocumentCommands.h"

#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TCloseDialog.h"
#include "documents/TDocumentFilters.h"
#include "documents/TFileDialogs.h"
#include "documents/TSaveNameRule.h"
#include "documents/TTargetProjectRule.h"
#include "documents/TVYRADocument.h"
#include "framework/TVYRACore.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"
#include "settings/TTalvexStudioSettings.h"
#include "snippets/TVYRAMRUList.h"
#include "ui/TPrompter.h"

#include <QDebug>
#include <QFileInfo>
#include <QScopedValueRollback>

namespace {

const QString ProjectPattern = QStringLiteral("*.qpg");
const QString TemplatePattern = QStringLiteral("*.qtf");
// The core's plug-in event raised after everything was closed.
constexpr int AllClosedEvent = 3;

QString existingFolder(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

QString projectFolder(const TVYRAProjectGroupItems *group)
{
    if (!group)
        return {};
    if (const QString folder = existingFolder(group->FileFolder()); !folder.isEmpty())
        return folder;
    return group->FileExists() ? existingFolder(QFileInfo(group->FileName()).absolutePath()) : QString();
}

bool askOverwrite(const QString &fileName)
{
    return TPrompter::instance().question(
               QStringLiteral("Die Datei \"%1\" existiert bereits!\r\n\r\nMöchten Sie die Datei überschreiben?")
                   .arg(fileName),
               TPromptButton::Yes | TPromptButton::No, QStringLiteral("Datei überschreiben"), TPromptButton::No)
           == TPromptButton::Yes;
}

} // namespace

TDocumentCommands::TDocumentCommands(TVYRACore &core, TFileDialogs &dialogs, TDocumentCommandsHost host)
    : m_core(core), m_dialogs(dialogs), m_host(std::move(host))
{
}

TDocumentCommands::~TDocumentCommands() = default;

void TDocumentCommands::Register(TActionRegistry &registry)
{
    registry.SetHandler(QStringLiteral("FileNew"), [this] { NewDocument(); });
    registry.SetHandler(QStringLiteral("FileOpen"), [this] { Open(); });
    registry.SetHandler(QStringLiteral("FileOpenTemplate"), [this] { OpenTemplateForEditing(); });
    registry.SetHandler(QStringLiteral("FileSave"), [this] { SaveActive(); });
    registry.SetHandler(QStringLiteral("FileSaveAs"), [this] { SaveActiveAs(); });
    registry.SetHandler(QStringLiteral("FileSaveAll"), [this] { SaveAll(); });
    registry.SetHandler(QStringLiteral("FileClose"), [this] { CloseActive(); });
    registry.SetHandler(QStringLiteral("FileCloseAll"), [this] { CloseAll(); });
    registry.SetHandler(QStringLiteral("FileExit"), [this] { Exit(); });
}

TVYRADocumentContainer &TDocumentCommands::container() const
{
    return *m_core.Container();
}

QList<TVYRAProjectGroupItems *> TDocumentCommands::allGroups() const
{
    QList<TVYRAProjectGroupItems *> groups;
    const TVYRAProjectGroupList *list = container().ProjectGroups();
    for (int i = 0; list && i < list->Count(); ++i)
        groups.append(list->Items(i));
    return groups;
}

int TDocumentCommands::indexOf(const TVYRADocument *document) const
{
    for (int i = 0; i < container().GetDocumentCount(); ++i) {
        if (container().GetDocument(i) == document)
            return i;
    }
    return -1;
}

void TDocumentCommands::listsChanged()
{
    if (m_host.listsChanged)
        m_host.listsChanged();
}

void TDocumentCommands::rememberRecent(const QString &fileName)
{
    TVYRAMRUList *recent = m_core.RecentFiles();
    if (!recent)
        return;
    if (const TOperationResult saved = recent->ExpandList(fileName); !saved)
        qWarning().noquote() << saved.errorText;
}

// ---------------------------------------------------------------------------
// Target group, new and open

TVYRAProjectGroupItems *TDocumentCommands::ActiveProjectGroup() const
{
    return TTargetProjectRule::ActiveGroup(container().ProjectGroups(),
                                           m_host.selectedProjectGroup ? m_host.selectedProjectGroup() : nullptr);
}

TVYRAProjectGroupItems *TDocumentCommands::TargetProjectGroup() const
{
    const TVYRASettings *settings = m_core.Settings();
    const TFileOpenOption option = settings && settings->Behavior() ? settings->Behavior()->FileOpenOptions
                                                                    : VYRASettingsTypes::fooAddToDefault;
    return TTargetProjectRule::Target(option, ActiveProjectGroup());
}

int TDocumentCommands::NewDocument()
{
    const int index = container().NewDocument(nullptr, TargetProjectGroup(), container().GetDocumentCount());
    listsChanged();
    return index;
}

void TDocumentCommands::Open()
{
    TOpenFilesRequest request;
    request.title = QStringLiteral("Dokument öffnen");
    request.filter = TDocumentFilters::OpenFilter(m_core.Extensions());
    request.startFolder = projectFolder(ActiveProjectGroup());
    request.multiSelect = true;
    const QStringList files = m_dialogs.OpenFiles(request);
    if (!files.isEmpty())
        OpenFiles(files);
}

void TDocumentCommands::OpenTemplateForEditing()
{
    TOpenFilesRequest request;
    request.title = QStringLiteral("Vorlage auswählen...");
    request.filter = TDocumentFilters::FilterFor(m_core.Extensions(), TemplatePattern, QStringLiteral("Vorlagen"));
    request.startFolder = existingFolder(m_core.GetTemplateDir());
    const QStringList files = m_dialogs.OpenFiles(request);
    if (files.isEmpty())
        return;
    openOne(files.first(), TargetProjectGroup(), fofEditTemplate);
    listsChanged();
}

bool TDocumentCommands::NewFromTemplate(const QString &templateFile)
{
    const bool opened = openOne(templateFile, TargetProjectGroup(), 0);
    listsChanged();
    return opened;
}

bool TDocumentCommands::openOne(const QString &fileName, TVYRAProjectGroupItems *target, int flags)
{
    QScopedValueRollback opening(m_openingFile, true);
    // A group may have gone while a batch let events through: its files go to the default group then.
    const TVYRAProjectGroupList *groups = container().ProjectGroups();
    if (target && (!groups || groups->IndexOf(target) < 0))
        target = nullptr;
    if (TTargetProjectRule::IsProjectGroupFile(fileName))
        target = nullptr;
    const TVYRALoadResult result = container().OpenDocumentEx(nullptr, fileName, target,
                                                              container().GetDocumentCount(),
                                                              TVYRAFileOpenFlags(flags));
    if (result != lrSuccess)
        return false;
    rememberRecent(fileName);
    return true;
}

void TDocumentCommands::OpenFiles(const QStringList &fileNames, TVYRAProjectGroupItems *target)
{
    if (fileNames.isEmpty())
        return;
    TVYRAProjectGroupItems *group = target;
    if (!group) {
        // Several files starting with a project group and no active group: no target at all.
        const bool groupsFirst = fileNames.size() > 1 && !ActiveProjectGroup()
                                 && TTargetProjectRule::IsProjectGroupFile(fileNames.first());
        if (!groupsFirst)
            group = TargetProjectGroup();
    }
    const bool outermost = !m_openingBatch;
    QScopedValueRollback batch(m_openingBatch, m_openingBatch || fileNames.size() > 1);
    for (const QString &fileName : fileNames) {
        if (m_host.terminating && m_host.terminating())
            break;
        openOne(fileName, group, 0);
        if (fileNames.size() > 1 && m_host.processEvents)
            m_host.processEvents();
    }
    if (outermost)
        listsChanged();
}

// ---------------------------------------------------------------------------
// Save

std::optional<QString> TDocumentCommands::askSaveName(int index, bool newName)
{
    const TVYRADocument *document = container().GetDocument(index);
    const QString fileName = document->GetFileName();
    const QString prescribed = TSaveNameRule::PrescribedExtension(*document);
    const QString suggested = TSaveNameRule::SuggestedName(fileName, prescribed, !document->GetFileExists(), newName);
    TSaveFileRequest request;
    request.title = QFileInfo(fileName).fileName() + QStringLiteral(" speichern unter...");
    request.filter = TDocumentFilters::SaveFilter(m_core.Extensions(), ProjectPattern);
    request.startFolder = TSaveNameRule::StartFolder(projectFolder(container().ProjectOf(document)),
                                                     document->GetFileExists() ? fileName : QString());
    request.suggestedName = QFileInfo(suggested).fileName();
    request.filterIndex = TDocumentFilters::FilterIndex(request.filter, request.suggestedName);
    request.defaultExtension = prescribed.isEmpty() ? TSaveNameRule::DefaultExtension() : prescribed.mid(1);
    return m_dialogs.SaveFile(request);
}

bool TDocumentCommands::Save(int index, bool newName)
{
    TVYRADocument *document = container().GetDocument(index);
    if (!document)
        return false;
    if (!newName && !document->GetModified() && document->GetFileExists())
        return true;
    if (m_host.beforeSave && !m_host.beforeSave(document))
        return false;
    bool saved = false;
    if (document->GetFileExists() && !newName) {
        saved = container().SaveDocument(index);
    } else {
        const std::optional<QString> chosen = askSaveName(index, newName);
        index = indexOf(document);
        if (!chosen || chosen->trimmed().isEmpty() || index < 0)
            return false;
        // An existing file is asked about by the container (evFileAlreadyExists) and replaced
        // through a temporary file: the old file stays whole until the new one is complete.
        saved = container().SaveDocument(index, *chosen);
    }
    if (saved)
        rememberRecent(document->GetFileName());
    return saved && !document->GetModified();
}

bool TDocumentCommands::SaveActive()
{
    const int index = container().GetActiveDocumentIndex();
    const bool saved = Save(index);
    listsChanged();
    return saved;
}

bool TDocumentCommands::SaveActiveAs()
{
    const int index = container().GetActiveDocumentIndex();
    const bool saved = Save(index, true);
    listsChanged();
    return saved;
}

bool TDocumentCommands::SaveAll()
{
    bool all = true;
    QList<TVYRADocument *> documents;
    for (int i = 0; i < container().GetDocumentCount(); ++i)
        documents.append(container().GetDocument(i));
    for (TVYRADocument *document : documents) {
        const int index = indexOf(document);
        if (index >= 0 && (document->GetModified() || !document->GetFileExists()))
            all = Save(index) && all;
    }
    for (TVYRAProjectGroupItems *group : allGroups()) {
        if (group->Modified())
            all = SaveProjectGroup(group) && all;
    }
    listsChanged();
    return all;
}

bool TDocumentCommands::SaveProjectGroup(TVYRAProjectGroupItems *group, bool newName)
{
    if (!group || allGroups().indexOf(group) < 0)
        return false;
    QString fileName = group->FileName();
    if (newName || !group->FileExists() || fileName.isEmpty()) {
        TSaveFileRequest request;
        request.title = group->ProjectName() + QStringLiteral(" speichern unter...");
        request.filter = TDocumentFilters::FilterFor(m_core.Extensions(), ProjectPattern,
                                                     QStringLiteral("Projektgruppe"));
        request.filterIndex = 1;
        request.startFolder = existingFolder(m_core.ProjectDir());
        request.suggestedName = group->ProjectName() + QStringLiteral(".qpg");
        request.defaultExtension = QStringLiteral("qpg");
        const std::optional<QString> chosen = m_dialogs.SaveFile(request);
        if (!chosen || chosen->trimmed().isEmpty() || allGroups().indexOf(group) < 0)
            return false;
        // The group file is written through a temporary file as well; only the question is asked here.
        if (QFileInfo::exists(*chosen) && !askOverwrite(*chosen))
            return false;
        fileName = *chosen;
    }
    if (const TDocumentResult saved = group->Save(fileName); !saved) {
        TPrompter::instance().error(
            QStringLiteral("Die Projektgruppe \"%1\" konnte nicht in die Datei \"%2\" gespeichert werden.\r\n%3")
                .arg(group->ProjectName(), fileName, saved.errorText));
        return false;
    }
    container().HandleProjectSave(group);
    rememberRecent(fileName);
    listsChanged();
    return true;
}

// ---------------------------------------------------------------------------
// Close and exit

bool TDocumentCommands::ConfirmClose(int index)
{
    TVYRADocument *document = container().GetDocument(index);
    if (!document)
        return false;
    if (!document->GetModified())
        return true;
    const TPromptButton answer = TPrompter::instance().question(
        QStringLiteral("Der Text in der Datei \"%1\" wurde geändert. Änderungen speichern?\r\n\r\nKlicken Sie "
                       "auf \"Abbrechen\", um zu Talvex Studio zurückzukehren.")
            .arg(document->GetFileName()),
        TPromptButton::Yes | TPromptButton::No | TPromptButton::Cancel, QStringLiteral("Bestätigen"),
        TPromptButton::Yes);
    if (answer != TPromptButton::Yes && answer != TPromptButton::No)
        return false;
    // A save that failed or was cancelled keeps the document open with its text.
    return answer == TPromptButton::No || Save(index);
}

bool TDocumentCommands::CloseDocument(int index)
{
    TVYRADocument *document = container().GetDocument(index);
    if (!document || m_closing)
        return false;
    QScopedValueRollback closing(m_closing, true);
    if (!ConfirmClose(index))
        return false;
    index = indexOf(document);
    if (index < 0)
        return false;
    container().CloseDocument(index);
    listsChanged();
    return true;
}

bool TDocumentCommands::CloseActive()
{
    return CloseDocument(container().GetActiveDocumentIndex());
}

TCloseAnswer TDocumentCommands::askClose(const QList<TVYRAProjectGroupItems *> &groups, TCloseDialogMode mode)
{
    TCloseDialogModel model(
        container(), groups,
        [this](TVYRADocument *document) {
            const int index = indexOf(document);
            return index >= 0 && Save(index);
        },
        [this](TVYRAProjectGroupItems *group) { return SaveProjectGroup(group); });
    if (model.AttentionCount() == 0)
        return TCloseAnswer::caOk;
    if (m_host.askClose)
        return m_host.askClose(model, mode);
    return TCloseDialog::Ask(model, mode, m_host.dialogParent);
}

bool TDocumentCommands::CloseProjectGroup(TVYRAProjectGroupItems *group)
{
    if (!group || m_closing || allGroups().indexOf(group) < 0)
        return false;
    QScopedValueRollback closing(m_closing, true);
    if (askClose({group}, TCloseDialogMode::cdmCloseDocuments) == TCloseAnswer::caCancel)
        return false;
    const TVYRAProjectGroupList *list = container().ProjectGroups();
    const int index = list ? list->IndexOf(group) : -1;
    if (index < 0)
        return false;
    container().CloseProject(index);
    listsChanged();
    return true;
}

bool TDocumentCommands::CloseAll()
{
    if (m_closing)
        return false;
    QScopedValueRollback closing(m_closing, true);
    if (askClose(allGroups(), TCloseDialogMode::cdmCloseDocuments) == TCloseAnswer::caCancel)
        return false;
    CloseAllWithoutAsking();
    return true;
}

bool TDocumentCommands::QueryExit()
{
    if (m_closing)
        return false;
    QScopedValueRollback closing(m_closing, true);
    // With SkipDefaultGroupSaveDialog the default group counts as saved while the dialog decides.
    TVYRAProjectGroupItems *skipped = nullptr;
    bool skippedModified = false;
    if (const auto *settings = qobject_cast<const TTalvexStudioSettings *>(m_core.Settings());
        settings && settings->View() && settings->View()->SkipDefaultGroupSaveDialog
        && container().IsDefaultGroupCreated()) {
        skipped = container().GetDefaultGroup();
        skippedModified = skipped->Modified();
        skipped->SetModified(false);
    }
    const TCloseAnswer answer = askClose(allGroups(), TCloseDialogMode::cdmExit);
    if (skipped && allGroups().indexOf(skipped) >= 0 && !skipped->FileExists())
        skipped->SetModified(skippedModified || skipped->Modified());
    return answer != TCloseAnswer::caCancel;
}

void TDocumentCommands::CloseAllWithoutAsking()
{
    const TVYRAProjectGroupList *list = container().ProjectGroups();
    while (list && list->Count() > 0) {
        const int before = list->Count();
        container().CloseProject(0);
        if (list->Count() >= before)
            break;
    }
    // Documents outside every group (none are expected) go as well.
    for (int i = container().GetDocumentCount() - 1; i >= 0; --i)
        container().CloseDocument(i);
    m_core.RunEvent(AllClosedEvent);
    listsChanged();
}

void TDocumentCommands::Exit()
{
    if (m_host.closeMainWindow)
        m_host.closeMainWindow();
}
