#include "projects/TProjectCommands.h"

#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TDocumentCommands.h"
#include "documents/TDocumentFilters.h"
#include "documents/TFileDialogs.h"
#include "documents/TVYRADocument.h"
#include "framework/TVYRACore.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "ui/TPrompter.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The open documents that show the node or one below it.
void documentsBelow(const TVYRAProjectGroupItem *node, QList<TVYRADocument *> &documents)
{
    if (TVYRADocument *document = node->GetDocument())
        documents.append(document);
    for (int i = 0; i < node->GetCount(); ++i)
        documentsBelow(node->GetItems(i), documents);
}

} // namespace

TProjectCommands::TProjectCommands(TVYRACore &core, TDocumentCommands &documents, TFileDialogs &dialogs,
                                   TProjectCommandsHost host)
    : m_core(core)
    , m_documents(documents)
    , m_dialogs(dialogs)
    , m_host(std::move(host))
{
}

void TProjectCommands::Register(TActionRegistry &registry)
{
    registry.SetHandler(QStringLiteral("ProjectAdd"), [this] { AddByDialog(); });
    registry.SetHandler(QStringLiteral("ProjectRemove"), [this] { RemoveSelected(); });
    registry.SetHandler(QStringLiteral("ProjectAlphaSort"), [this] { AlphaSort(); });
    registry.SetHandler(QStringLiteral("ProjectUpdateView"), [this] { m_host.refresh(); });
    registry.SetHandler(QStringLiteral("ProjectShowFile"), [this] { ShowFile(); });
    registry.SetHandler(QStringLiteral("ProjectCloseFile"), [this] { CloseFile(); });
    registry.SetHandler(QStringLiteral("ProjectProperties"), [this] { ShowProperties(); });
    registry.SetHandler(QStringLiteral("ProjectEditTemplate"), [this] { EditTemplate(); });
    registry.SetHandler(QStringLiteral("ProjectSaveUnsavedFiles"), [this] { SaveUnsavedFiles(); });
    registry.SetHandler(QStringLiteral("ProjectSaveProject"), [this] { SaveProject(); });
    registry.SetHandler(QStringLiteral("ProjectSaveProjectAs"), [this] { SaveProject(true); });
    registry.SetHandler(QStringLiteral("ProjectSaveAllFiles"), [this] { SaveAllFiles(); });
    registry.SetHandler(QStringLiteral("ProjectCloseProject"), [this] { CloseProject(); });
}

TVYRAProjectGroupItem *TProjectCommands::selectedFile() const
{
    TVYRAProjectGroupItem *item = m_host.selectedItem ? m_host.selectedItem() : nullptr;
    return item && item->ItemType() == pitFile && item->Owner() == m_host.selectedGroup() ? item : nullptr;
}

int TProjectCommands::documentIndex(const TVYRADocument *document) const
{
    return m_core.Container()->Documents().IndexOf(document);
}

bool TProjectCommands::Add(const QStringList &files)
{
    TVYRAProjectGroupItems *group = m_host.selectedGroup();
    if (!group || files.isEmpty())
        return false;
    TVYRAProjectGroupItem *item = m_host.selectedItem ? m_host.selectedItem() : nullptr;
    TVYRAProjectGroupItem *folder = item && item->Owner() == group ? item : nullptr;
    QStringList existing;
    for (const QString &file : files)
        if (QFileInfo::exists(file))
            existing.append(file);
    TProjectFileBatch batch(*group, folder,
                            m_host.progress ? m_host.progress(int(existing.size())) : TProjectFileBatch::TProgress());
    batch.AddEntries(existing, fotCopy);
    m_host.refresh();
    if (!batch.Errors().isEmpty())
        TPrompter::instance().error(
            QStringLiteral("Nicht alle Dateien konnten in die Projektgruppe \"%1\" aufgenommen werden:\r\n\r\n%2")
                .arg(group->ProjectName(), batch.Errors().mid(0, 10).join(QStringLiteral("\r\n"))));
    return int(batch.Errors().size()) < existing.size();
}

void TProjectCommands::AddByDialog()
{
    TVYRAProjectGroupItems *group = m_host.selectedGroup();
    if (!group)
        return;
    TOpenFilesRequest request;
    request.title = QStringLiteral("Dateien hinzufügen...");
    request.filter = TDocumentFilters::OpenFilter(m_core.Extensions());
    request.startFolder = group->FileFolder();
    request.multiSelect = true;
    Add(m_dialogs.OpenFiles(request));
}

bool TProjectCommands::RemoveSelected()
{
    TVYRAProjectGroupItems *group = m_host.selectedGroup();
    TVYRAProjectGroupItem *item = m_host.selectedItem ? m_host.selectedItem() : nullptr;
    if (!group || !item || item->Owner() != group || !item->Parent())
        return false;
    if (!TPrompter::instance().confirm(
            QStringLiteral("Möchten Sie \"%1\" und alle untergeordneten Elemente aus der Projektgruppe entfernen?")
                .arg(item->GetName())))
        return false;
    // Modified documents are offered for saving before the node takes them along.
    QList<TVYRADocument *> documents;
    documentsBelow(item, documents);
    for (TVYRADocument *document : documents) {
        const int index = documentIndex(document);
        if (index >= 0 && document->GetModified() && !m_documents.CloseDocument(index)) {
            m_host.refresh();
            return false;
        }
    }
    item->Parent()->RemoveItem(item->GetIndex());
    m_host.refresh();
    return true;
}

void TProjectCommands::AlphaSort()
{
    if (TVYRAProjectGroupItems *group = m_host.selectedGroup()) {
        group->AlphaSort();
        m_host.refresh();
    }
}

void TProjectCommands::ShowFile()
{
    if (TVYRAProjectGroupItem *item = selectedFile()) {
        item->Open();
        m_host.refresh();
    }
}

void TProjectCommands::ShowProperties()
{
    TVYRAProjectGroupItem *item = selectedFile();
    if (!item || !m_showProperties)
        return;
    if (!item->GetDocument()) {
        item->Open();
        m_host.refresh();
    }
    if (TVYRADocument *document = item->GetDocument())
        m_showProperties(document);
}

void TProjectCommands::CloseFile()
{
    TVYRAProjectGroupItem *item = selectedFile();
    const int index = item ? documentIndex(item->GetDocument()) : -1;
    if (index >= 0) {
        m_documents.CloseDocument(index);
        m_host.refresh();
    }
}

void TProjectCommands::EditTemplate()
{
    TVYRAProjectGroupItem *item = selectedFile();
    if (!item)
        return;
    TVYRADocumentContainer &container = *m_core.Container();
    container.OpenDocumentEx(nullptr, item->PhysicalFileName(), item->Owner(), container.GetDocumentCount(),
                             TVYRAFileOpenFlags(fofEditTemplate));
    m_host.refresh();
}

bool TProjectCommands::SaveUnsavedFiles()
{
    TVYRAProjectGroupItems *group = m_host.selectedGroup();
    if (!group)
        return false;
    bool all = true;
    for (TVYRADocument *document : group->GetDocuments()) {
        const int index = documentIndex(document);
        if (index >= 0 && (document->GetModified() || !document->GetFileExists()))
            all = m_documents.Save(index) && all;
    }
    m_host.refresh();
    return all;
}

bool TProjectCommands::SaveProject(bool newName)
{
    TVYRAProjectGroupItems *group = m_host.selectedGroup();
    const bool saved = group && m_documents.SaveProjectGroup(group, newName);
    m_host.refresh();
    return saved;
}

bool TProjectCommands::SaveAllFiles()
{
    const bool files = SaveUnsavedFiles();
    return SaveProject() && files;
}

bool TProjectCommands::CloseProject()
{
    TVYRAProjectGroupItems *group = m_host.selectedGroup();
    const bool closed = group && m_documents.CloseProjectGroup(group);
    m_host.refresh();
    return closed;
}
