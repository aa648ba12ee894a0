#include "projects/TVYRAProjectGroupItems.h"

#include "documents/TVYRAFileType.h"
#include "projects/IVYRAProjectDocumentList.h"
#include "projects/TVYRAProjectDiskOperations.h"
#include "projects/TVYRAProjectGroupList.h"
#include "utils/FileUtils.h"
#include "utils/TXmlDocumentFile.h"
#include "utils/VYRAExceptions.h"
#include "utils/XmlNodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

// The entries of a folder as they were before anything was copied or moved.
struct TFolderListing {
    QString name;
    QList<TFolderListing> folders;
    QStringList files;
};

namespace {

const QString kFileFolderMacro = QStringLiteral("$(FILEFOLDER)");
const QString kMainFolderMacro = QStringLiteral("$(MAINFOLDER)");

// An existing directory as a clean absolute path ending in "/"; empty otherwise.
QString existingFolder(const QString &path, const QString &base = QString())
{
    if (path.trimmed().isEmpty())
        return {};
    QString absolute = ToSlashes(path.trimmed());
    if (QDir::isRelativePath(absolute)) {
        if (base.isEmpty())
            return {};
        absolute = base + absolute;
    }
    absolute = QDir::cleanPath(absolute);
    return IsDirectory(absolute) ? IncludeTrailingPathDelimiter(absolute) : QString();
}

// Lists a folder; symbolic links count as files so that no loop is followed.
void listFolder(const QString &path, bool recursive, int depth, TFolderListing &listing)
{
    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            if (!recursive || depth >= TVYRAProjectGroupItems::MaxItemDepth)
                continue;
            TFolderListing folder;
            folder.name = entry.fileName();
            listFolder(entry.filePath(), recursive, depth + 1, folder);
            listing.folders.append(folder);
        } else {
            listing.files.append(entry.fileName());
        }
    }
}

QStringList topEntries(const TFolderListing &listing, const QString &folder)
{
    QStringList entries;
    for (const TFolderListing &sub : listing.folders)
        entries.append(folder + sub.name);
    for (const QString &file : listing.files)
        entries.append(folder + file);
    return entries;
}

TSHFileOperationType syncOperation(TVYRASyncFileMode mode, TSHFileOperationType requested)
{
    return mode == sfmSynchronizeMoveFile || requested == fotMove ? fotMove : fotCopy;
}

} // namespace

TVYRAProjectGroupItems::TVYRAProjectGroupItems(TVYRAProjectGroupList *list, const QString &fileName, bool fileExists,
                                               TItemClass itemClass)
    : m_list(list)
    , m_itemClass(std::move(itemClass))
    , m_fileName(fileName)
    , m_fileExists(fileExists)
{
    if (list && list->ProjectEvents())
        m_events = *list->ProjectEvents();
    m_root = CreateItem(pitFolder, QStringLiteral("Root"));
}

TVYRAProjectGroupItems::~TVYRAProjectGroupItems()
{
    m_destroying = true;
    TVYRAProjectGroupItem::Destroy(std::move(m_root));
}

TVYRAProjectGroupItems::TFactory TVYRAProjectGroupItems::DefaultFactory()
{
    return [](TVYRAProjectGroupList *list, const QString &fileName, bool fileExists, bool loadNow) {
        return std::unique_ptr<TVYRAProjectGroupItems>(Create<TVYRAProjectGroupItems>(list, fileName, fileExists, loadNow));
    };
}

std::unique_ptr<TVYRAProjectGroupItem> TVYRAProjectGroupItems::CreateItem(TVYRAProjectItemType itemType,
                                                                          const QString &name)
{
    std::unique_ptr<TVYRAProjectGroupItem> item;
    if (m_itemClass)
        item = m_itemClass(this, itemType, name);
    if (!item)
        item = std::make_unique<TVYRAProjectGroupItem>(this, itemType, name);
    return item;
}

IVYRAProjectDocumentList *TVYRAProjectGroupItems::Documents() const
{
    return m_list ? m_list->Documents() : nullptr;
}

// ---------------------------------------------------------------------------
// Overridable steps

void TVYRAProjectGroupItems::OnModified(TVYRAProjectGroupItem *, bool state)
{
    SetModified(state);
}

void TVYRAProjectGroupItems::SaveProjectSettings(pugi::xml_node element) const
{
    SetNodeText(element, QStringLiteral("name"), m_projectName);
    SetNodeText(element, QStringLiteral("version"), m_version);
    SetNodeText(element, QStringLiteral("comment"), m_comment);
    SetNodeInt(element, QStringLiteral("autosyncfiles"), int(m_syncFileMode));
    SetNodeBool(element, QStringLiteral("confirmfilesync"), m_confirmFileSync);
    SetNodeText(element, QStringLiteral("directory"), m_mainFolder);
    SetNodeText(element, QStringLiteral("filedirectory"), m_fileFolder);
}

void TVYRAProjectGroupItems::LoadProjectSettings(const pugi::xml_node &element, const QString &fileName)
{
    m_projectName = GetNodeText(element, QStringLiteral("name"));
    m_version = GetNodeText(element, QStringLiteral("version"));
    m_comment = GetNodeText(element, QStringLiteral("comment"));
    const QString projectFolder =
        fileName.isEmpty() ? QString() : ExtractFilePath(QFileInfo(fileName).absoluteFilePath());
    m_mainFolder = existingFolder(GetNodeText(element, QStringLiteral("directory")), projectFolder);
    if (m_mainFolder.isEmpty())
        m_mainFolder = projectFolder;
    m_fileFolder = existingFolder(GetNodeText(element, QStringLiteral("filedirectory")), projectFolder);
    if (m_fileFolder.isEmpty())
        m_fileFolder = m_mainFolder;
    m_syncFileMode = SyncFileModeFromText(GetNodeText(element, QStringLiteral("autosyncfiles")));
    // Earlier files may carry the flag under the name their reader expected.
    const QString confirmName = element.child("confirmfilesync") || !element.child("confirmsynchronization")
        ? QStringLiteral("confirmfilesync")
        : QStringLiteral("confirmsynchronization");
    m_confirmFileSync = GetNodeBool(element, confirmName, true);
}

void TVYRAProjectGroupItems::ProjectLoaded(const QString &) {}

void TVYRAProjectGroupItems::ProjectSaved(const QString &) {}

void TVYRAProjectGroupItems::ItemDestroying(TVYRAProjectGroupItem *) {}

void TVYRAProjectGroupItems::itemDestroying(TVYRAProjectGroupItem *item)
{
    if (!m_destroying) {
        ItemDestroying(item);
        if (item->NotifyOnDestroy() && m_events.OnProjectItemRemoved)
            m_events.OnProjectItemRemoved(this, item);
    }
    IVYRAProjectDocumentList *documents = Documents();
    TVYRADocument *document = documents ? documents->DocumentOfItem(item) : nullptr;
    if (!document)
        return;
    // The document lets go of the node first: closing it must not free the node a second time.
    documents->DetachDocument(document);
    if (!m_destroying)
        documents->HandleRemove(document);
}

// ---------------------------------------------------------------------------
// Properties

void TVYRAProjectGroupItems::SetFileName(const QString &fileName)
{
    const bool exists = !fileName.isEmpty() && QFileInfo(fileName).isFile();
    if (fileName == m_fileName && exists == m_fileExists)
        return;
    m_fileName = fileName;
    m_fileExists = exists;
    SetModified(true);
}

void TVYRAProjectGroupItems::SetProjectName(const QString &name)
{
    if (name != m_projectName) {
        m_projectName = name;
        SetModified(true);
    }
}

void TVYRAProjectGroupItems::SetVersion(const QString &version)
{
    if (version != m_version) {
        m_version = version;
        SetModified(true);
    }
}

void TVYRAProjectGroupItems::SetComment(const QString &comment)
{
    if (comment != m_comment) {
        m_comment = comment;
        SetModified(true);
    }
}

bool TVYRAProjectGroupItems::SetMainFolder(const QString &folder)
{
    const QString directory = existingFolder(folder);
    if (directory.isEmpty())
        return false;
    if (directory != m_mainFolder) {
        m_mainFolder = directory;
        SetModified(true);
    }
    return true;
}

bool TVYRAProjectGroupItems::SetFileFolder(const QString &folder)
{
    const QString directory = existingFolder(folder);
    if (directory.isEmpty())
        return false;
    if (directory != m_fileFolder) {
        m_fileFolder = directory;
        m_root->AssignPhysicalFileName(directory);
        SetModified(true);
    }
    return true;
}

void TVYRAProjectGroupItems::SetSyncFileMode(TVYRASyncFileMode mode)
{
    if (mode != m_syncFileMode) {
        m_syncFileMode = mode;
        SetModified(true);
    }
}

void TVYRAProjectGroupItems::SetConfirmFileSync(bool confirm)
{
    if (confirm != m_confirmFileSync) {
        m_confirmFileSync = confirm;
        SetModified(true);
    }
}

void TVYRAProjectGroupItems::SetModified(bool state)
{
    if (state == m_modified)
        return;
    m_modified = state;
    if (m_events.OnModified)
        m_events.OnModified(this, state);
}

// ---------------------------------------------------------------------------
// Paths

QString TVYRAProjectGroupItems::StoredPath(const QString &path) const
{
    // Only a leading folder is replaced, and only on a path boundary; the
    // longer of the two folders wins, FileFolder on a tie.
    const bool inFileFolder = !m_fileFolder.isEmpty() && path.startsWith(m_fileFolder);
    const bool inMainFolder = !m_mainFolder.isEmpty() && path.startsWith(m_mainFolder);
    if (inFileFolder && (!inMainFolder || m_fileFolder.size() >= m_mainFolder.size()))
        return kFileFolderMacro + path.mid(m_fileFolder.size());
    if (inMainFolder)
        return kMainFolderMacro + path.mid(m_mainFolder.size());
    return path;
}

QString TVYRAProjectGroupItems::ExpandedPath(const QString &storedPath) const
{
    auto expand = [&storedPath](const QString &macro, const QString &folder) {
        QString rest = ToSlashes(storedPath.mid(macro.size()));
        while (rest.startsWith(QLatin1Char('/')))
            rest.remove(0, 1);
        return IncludeTrailingPathDelimiter(folder) + rest;
    };
    if (storedPath.startsWith(kFileFolderMacro, Qt::CaseInsensitive) && !m_fileFolder.isEmpty())
        return expand(kFileFolderMacro, m_fileFolder);
    if (storedPath.startsWith(kMainFolderMacro, Qt::CaseInsensitive) && !m_mainFolder.isEmpty())
        return expand(kMainFolderMacro, m_mainFolder);
    return storedPath;
}

QString TVYRAProjectGroupItems::AbsolutePath(const QString &path) const
{
    if (path.trimmed().isEmpty())
        return {};
    if (QDir::isRelativePath(path) && !m_fileFolder.isEmpty())
        return QDir::cleanPath(m_fileFolder + path);
    return QDir::cleanPath(path);
}

QString TVYRAProjectGroupItems::FolderDirectory(const TVYRAProjectGroupItem *folder) const
{
    if (!folder)
        return {};
    if (folder == m_root.get())
        return m_fileFolder;
    if (folder->ItemType() != pitFolder)
        return FolderDirectory(folder->Parent());
    if (folder->PhysicalFileName().trimmed().isEmpty()) {
        const QString parent = FolderDirectory(folder->Parent());
        return parent.isEmpty() || folder->GetName().isEmpty() ? QString() : parent + folder->GetName() + QLatin1Char('/');
    }
    return IncludeTrailingPathDelimiter(AbsolutePath(folder->PhysicalFileName()));
}

bool TVYRAProjectGroupItems::IsAddAllowed(TVYRAProjectItemType itemType, const QString &name, QString &destination)
{
    if (!AutoSync())
        return false;
    if (!m_confirmFileSync || !m_events.OnAddingProjectItem)
        return true;
    bool allow = false;
    m_events.OnAddingProjectItem(this, itemType, name, destination, allow);
    return allow;
}

// ---------------------------------------------------------------------------
// Adding

int TVYRAProjectGroupItems::AddItem(const QString &name, const QString &physicalFileName,
                                    TVYRAProjectItemType itemType, TVYRAProjectGroupItem *folder, bool notify)
{
    TVYRAProjectGroupItem *parent = FindNextUpperFolder(folder);
    std::unique_ptr<TVYRAProjectGroupItem> item = CreateItem(itemType, name);
    item->AssignPhysicalFileName(physicalFileName);
    TVYRAProjectGroupItem *added = item.get();
    const int index = parent->AddItem(std::move(item));
    if (notify && m_events.OnProjectItemAdded)
        m_events.OnProjectItemAdded(this, added);
    return index;
}

int TVYRAProjectGroupItems::AddFile(const QString &fileName, TVYRAProjectGroupItem *folder,
                                    TVYRAProjectFileOperation operation, bool notify)
{
    m_lastError.clear();
    if (TVYRAProjectGroupItem *existing = FindFile(fileName))
        return existing->GetIndex();
    folder = FindNextUpperFolder(folder);
    QString path = fileName;
    if (operation && AutoSync() && QFileInfo(fileName).isFile()) {
        const QString directory = FolderDirectory(folder);
        const QString source = QFileInfo(fileName).absoluteFilePath();
        QString destination = directory + ExtractFileName(source);
        if (ExtractFilePath(source) != directory && IsAddAllowed(pitFile, ExtractFileName(source), destination)) {
            if (directory.isEmpty() || !IsDirectory(directory)) {
                m_lastError = QStringLiteral("„%1“ wurde nicht aufgenommen: Der Ordner „%2“ existiert nicht.")
                                  .arg(fileName, directory);
                return -1;
            }
            if (QDir::isRelativePath(destination))
                destination = directory + destination;
            // Copied in before: the node of the copy stands for it.
            if (TVYRAProjectGroupItem *existing = FindFile(destination))
                return existing->GetIndex();
            const TDocumentResult result = TVYRAProjectDiskOperations::TransferFile(
                source, destination, syncOperation(m_syncFileMode, *operation));
            if (!result) {
                m_lastError = result.errorText;
                return -1;
            }
            path = destination;
        }
    }
    return AddItem(ExtractFileName(path), path, pitFile, folder, notify);
}

int TVYRAProjectGroupItems::AddFolder(const QString &path, TVYRAProjectGroupItem *folder,
                                      TVYRAProjectFileOperation operation, bool notify)
{
    m_lastError.clear();
    const QString name = ExtractFileName(ExcludeTrailingPathDelimiter(ToSlashes(path)));
    if (name.isEmpty())
        return -1;
    folder = FindNextUpperFolder(folder);
    if (!operation || !AutoSync())
        return AddItem(name, path, pitFolder, folder, notify);

    const QString directory = FolderDirectory(folder);
    const bool bare = !ToSlashes(path).contains(QLatin1Char('/'));
    const QString source = bare ? directory + name : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString destination = directory + name;
    if (IsDirectory(source)) {
        const bool inPlace = QDir::cleanPath(source) == QDir::cleanPath(destination);
        if (!inPlace && !IsAddAllowed(pitFolder, name, destination))
            return AddItem(name, path, pitFolder, folder, notify);
        TFolderListing listing;
        listFolder(source, true, 0, listing);
        if (!inPlace) {
            if (directory.isEmpty() || !IsDirectory(directory)) {
                m_lastError = QStringLiteral("„%1“ wurde nicht aufgenommen: Der Ordner „%2“ existiert nicht.")
                                  .arg(path, directory);
                return -1;
            }
            const TDocumentResult result = TVYRAProjectDiskOperations::TransferFile(
                source, destination, syncOperation(m_syncFileMode, *operation));
            if (!result) {
                m_lastError = result.errorText;
                return -1;
            }
        }
        const QString target = QDir::cleanPath(destination);
        const int index = AddItem(ExtractFileName(target), target, pitFolder, folder, notify);
        importListing(listing, target + QLatin1Char('/'), folder->GetItems(index));
        return index;
    }
    if (bare || IsAddAllowed(pitFolder, name, destination)) {
        if (directory.isEmpty() || !QDir().mkpath(destination)) {
            m_lastError = QStringLiteral("Der Ordner „%1“ konnte nicht angelegt werden.").arg(destination);
            return -1;
        }
        return AddItem(name, QDir::cleanPath(destination), pitFolder, folder, notify);
    }
    return AddItem(name, path, pitFolder, folder, notify);
}

TDocumentResult TVYRAProjectGroupItems::ImportFromFolder(const QString &folder, bool recursive,
                                                         TVYRAProjectFileOperation operation,
                                                         TVYRAProjectGroupItem *parent)
{
    const QString source = existingFolder(folder);
    if (source.isEmpty())
        return TDocumentResult::failure(QStringLiteral("Der Ordner „%1“ existiert nicht.").arg(folder));
    TVYRAProjectGroupItem *target = FindNextUpperFolder(parent);
    const QString directory = FolderDirectory(target);
    if (!directory.isEmpty() && IsSameFolder(source, directory))
        return TDocumentResult::success();
    // Listed before anything moves, so that a move still finds what to add.
    TFolderListing listing;
    listFolder(source, recursive, 0, listing);
    if (operation && AutoSync()) {
        if (directory.isEmpty() || !IsDirectory(directory))
            return TDocumentResult::failure(
                QStringLiteral("„%1“ wurde nicht aufgenommen: Der Ordner „%2“ existiert nicht.").arg(folder, directory));
        QString destination = directory;
        if (IsAddAllowed(pitFolder, ExtractFileName(ExcludeTrailingPathDelimiter(source)), destination)) {
            const TDocumentResult result = TVYRAProjectDiskOperations::TransferInto(
                topEntries(listing, source), directory, syncOperation(m_syncFileMode, *operation));
            if (!result)
                return result;
            importListing(listing, directory, target);
            return TDocumentResult::success();
        }
    }
    importListing(listing, source, target);
    return TDocumentResult::success();
}

void TVYRAProjectGroupItems::importListing(const TFolderListing &listing, const QString &prefix,
                                           TVYRAProjectGroupItem *node)
{
    if (!node)
        return;
    for (const TFolderListing &sub : listing.folders) {
        const int index = AddFolder(prefix + sub.name, node, std::nullopt, false);
        importListing(sub, prefix + sub.name + QLatin1Char('/'), node->GetItems(index));
    }
    for (const QString &file : listing.files)
        AddFile(prefix + file, node, std::nullopt, false);
}

// ---------------------------------------------------------------------------
// Finding

TVYRAProjectGroupItem *TVYRAProjectGroupItems::FindFile(const QString &fileName) const
{
    if (fileName.isEmpty())
        return nullptr;
    return findFileBelow(m_root.get(), QString(), fileName);
}

TVYRAProjectGroupItem *TVYRAProjectGroupItems::findFileBelow(const TVYRAProjectGroupItem *node,
                                                             const QString &nodePath, const QString &fileName) const
{
    const bool pathFits = fileName.startsWith(nodePath, Qt::CaseInsensitive);
    for (int i = 0; i < node->GetCount(); ++i) {
        TVYRAProjectGroupItem *child = node->GetItems(i);
        if (child->ItemType() != pitFile)
            continue;
        if (child->PhysicalFileName() == fileName)
            return child;
        if (pathFits && fileName.size() == nodePath.size() + child->GetName().size()
            && fileName.endsWith(child->GetName(), Qt::CaseInsensitive))
            return child;
    }
    for (int i = 0; i < node->GetCount(); ++i) {
        const TVYRAProjectGroupItem *child = node->GetItems(i);
        if (child->GetCount() == 0)
            continue;
        if (TVYRAProjectGroupItem *found = findFileBelow(child, nodePath + child->GetName() + QLatin1Char('/'), fileName))
            return found;
    }
    return nullptr;
}

TVYRAProjectGroupItem *TVYRAProjectGroupItems::SelectItem(int level, int index) const
{
    if (level <= 0)
        return level == 0 ? m_root.get() : nullptr;
    // Depth-first for the first node at depth level - 1.
    TVYRAProjectGroupItem *node = m_root.get();
    int depth = 0;
    while (node && depth < level - 1) {
        TVYRAProjectGroupItem *next = node->FirstItem();
        if (next) {
            node = next;
            ++depth;
            continue;
        }
        // Back up to the nearest ancestor with a later sibling and go on there.
        while (node && node != m_root.get() && !node->NextSibling()) {
            node = node->Parent();
            --depth;
        }
        if (!node || node == m_root.get())
            return nullptr;
        node = node->NextSibling();
    }
    return node ? node->GetItems(index) : nullptr;
}

TVYRAProjectGroupItem *TVYRAProjectGroupItems::ItemByAbsIndex(int index) const
{
    if (index < 0)
        return nullptr;
    TVYRAProjectGroupItem *node = m_root->FirstItem();
    for (int step = 0; node && step < index; ++step)
        node = node->NextItem();
    return node;
}

int TVYRAProjectGroupItems::GetItemLevel(const TVYRAProjectGroupItem *item) const
{
    if (!item || item->GetRoot() != m_root.get())
        return -1;
    int level = 0;
    for (const TVYRAProjectGroupItem *node = item; node->Parent(); node = node->Parent())
        ++level;
    return level;
}

int TVYRAProjectGroupItems::GetItemAbsoluteIndex(const TVYRAProjectGroupItem *item) const
{
    return GetItemLevel(item) < 0 ? -1 : item->GetAbsoluteIndex();
}

TVYRAProjectGroupItem *TVYRAProjectGroupItems::FindNextUpperFolder(TVYRAProjectGroupItem *item) const
{
    if (!item || item->GetRoot() != m_root.get())
        return m_root.get();
    for (TVYRAProjectGroupItem *node = item; node; node = node->Parent()) {
        if (node->ItemType() == pitFolder)
            return node;
    }
    return m_root.get();
}

// ---------------------------------------------------------------------------
// Moving and sorting

TDocumentResult TVYRAProjectGroupItems::MoveItem(TVYRAProjectGroupItem *item, TVYRAProjectGroupItem *newParent)
{
    if (!item)
        return TDocumentResult::failure(QStringLiteral("Kein Projekteintrag zum Verschieben."));
    return item->SetParent(newParent ? newParent : m_root.get());
}

bool TVYRAProjectGroupItems::ExchangeItems(TVYRAProjectGroupItem *a, TVYRAProjectGroupItem *b)
{
    if (!a || !b || a == b || !a->Parent() || a->Parent() != b->Parent())
        return false;
    auto &children = a->Parent()->m_children;
    std::swap(children[std::size_t(a->GetIndex())], children[std::size_t(b->GetIndex())]);
    a->Parent()->Modified(true);
    return true;
}

void TVYRAProjectGroupItems::AlphaSort()
{
    bool changed = false;
    sortChildren(m_root.get(), changed);
    if (changed)
        m_root->Modified(true);
}

void TVYRAProjectGroupItems::sortChildren(TVYRAProjectGroupItem *folder, bool &changed)
{
    auto key = [](const TVYRAProjectGroupItem *item) {
        const QString physical = ExcludeTrailingPathDelimiter(item->PhysicalFileName());
        QString name = ExtractFileName(physical);
        if (name.isEmpty())
            name = physical;
        return name.isEmpty() ? item->GetName() : name;
    };
    auto &children = folder->m_children;
    std::vector<std::pair<QString, std::size_t>> keys;
    keys.reserve(children.size());
    for (std::size_t i = 0; i < children.size(); ++i)
        keys.emplace_back(key(children[i].get()), i);
    std::stable_sort(keys.begin(), keys.end(), [](const auto &x, const auto &y) {
        return x.first.compare(y.first, Qt::CaseInsensitive) < 0;
    });
    std::vector<std::unique_ptr<TVYRAProjectGroupItem>> sorted;
    sorted.reserve(children.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        changed = changed || keys[i].second != i;
        sorted.push_back(std::move(children[keys[i].second]));
    }
    children = std::move(sorted);
    for (const auto &child : children)
        sortChildren(child.get(), changed);
}

// ---------------------------------------------------------------------------
// Lists

void TVYRAProjectGroupItems::ListFiles(QStringList &files, bool onlyExistingFiles,
                                       QList<TVYRAProjectGroupItem *> *objects) const
{
    for (TVYRAProjectGroupItem *node = m_root->FirstItem(); node; node = node->NextItem()) {
        if (onlyExistingFiles
            && (node->ItemType() != pitFile || !QFileInfo(AbsolutePath(node->PhysicalFileName())).isFile()))
            continue;
        files.append(node->PhysicalFileName());
        if (objects)
            objects->append(node);
    }
}

QList<TVYRADocument *> TVYRAProjectGroupItems::GetDocuments() const
{
    IVYRAProjectDocumentList *documents = Documents();
    return documents ? documents->DocumentsOfGroup(this) : QList<TVYRADocument *>();
}

// ---------------------------------------------------------------------------
// Saving and loading

void TVYRAProjectGroupItems::writeInto(pugi::xml_node element) const
{
    SaveProjectSettings(element);
    m_root->Save(element.append_child("item"));
}

QByteArray TVYRAProjectGroupItems::SaveToBytes() const
{
    pugi::xml_document document;
    writeInto(document.append_child(TVYRAFileTypeRecognizers::get(ftProject).toUtf8().constData()));
    return TXmlDocumentFile::ToBytes(document);
}

TDocumentResult TVYRAProjectGroupItems::Save(const QString &fileName)
{
    const QString target = fileName.isEmpty() ? m_fileName : fileName;
    if (target.trimmed().isEmpty())
        return TDocumentResult::failure(
            QStringLiteral("Das Projekt „%1“ wurde nicht gespeichert: Es hat noch keinen Dateinamen.").arg(m_projectName));
    const QString recognizer = TVYRAFileTypeRecognizers::get(ftProject);
    if (!IsValidXmlName(recognizer))
        return TDocumentResult::failure(
            QStringLiteral("Die Projektdatei „%1“ wurde nicht gespeichert: „%2“ ist kein gültiger Elementname.")
                .arg(target, recognizer));
    pugi::xml_document document;
    const TXmlDocumentFile::TLoadResult loaded = TXmlDocumentFile::Load(target, document);
    using S = TXmlDocumentFile::TLoadStatus;
    switch (loaded.status) {
    case S::Unreadable:
        return TDocumentResult::failure(
            QStringLiteral("Die Projektdatei „%1“ wurde nicht gespeichert. %2").arg(target, loaded.error));
    case S::Damaged:
        if (TXmlDocumentFile::KeepDamagedCopy(target).isEmpty())
            return TDocumentResult::failure(
                QStringLiteral("Die beschädigte Projektdatei „%1“ wurde nicht überschrieben: Es ließ sich keine "
                               "Sicherungskopie anlegen.").arg(target));
        [[fallthrough]];
    case S::Missing:
    case S::NoRoot:
        document.reset();
        document.append_child(recognizer.toUtf8().constData());
        break;
    case S::Loaded:
        if (QString::fromUtf8(document.document_element().name()) != recognizer)
            return TDocumentResult::failure(
                QStringLiteral("Die Datei „%1“ enthält kein Projekt (Wurzelelement „%2“ statt „%3“) und wurde "
                               "nicht überschrieben.")
                    .arg(target, QString::fromUtf8(document.document_element().name()), recognizer));
        while (document.document_element().first_child())
            document.document_element().remove_child(document.document_element().first_child());
        break;
    }
    writeInto(document.document_element());
    QString error;
    if (!TXmlDocumentFile::Save(document, target, &error))
        return TDocumentResult::failure(error);
    ProjectSaved(target);
    SetFileName(target);
    if (IVYRAProjectDocumentList *documents = Documents())
        documents->HandleProjectSave(this);
    SetModified(false);
    return TDocumentResult::success();
}

void TVYRAProjectGroupItems::Load(const QString &fileName)
{
    const QString source = fileName.isEmpty() ? m_fileName : fileName;
    if (source.isEmpty() || !QFileInfo::exists(source)) {
        loadBlank(source);
        return;
    }
    QFile file(source);
    if (!QFileInfo(source).isFile() || !file.open(QIODevice::ReadOnly))
        throw EInvalidVYRAFormat(QStringLiteral("Die Projektdatei „%1“ konnte nicht gelesen werden.").arg(source));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInvalidVYRAFormat(
            QStringLiteral("Die Projektdatei „%1“ konnte nicht gelesen werden: %2").arg(source, file.errorString()));
    LoadFromBytes(data, source);
}

void TVYRAProjectGroupItems::LoadFromBytes(const QByteArray &data, const QString &fileName)
{
    pugi::xml_document document;
    const TXmlDocumentFile::TLoadResult parsed = TXmlDocumentFile::Parse(data, document);
    switch (parsed.status) {
    case TXmlDocumentFile::TLoadStatus::Missing:
    case TXmlDocumentFile::TLoadStatus::NoRoot:
        loadBlank(fileName);
        return;
    case TXmlDocumentFile::TLoadStatus::Damaged:
    case TXmlDocumentFile::TLoadStatus::Unreadable:
        throw EInvalidVYRAFormat(QStringLiteral("Die Projektdatei „%1“ ist beschädigt. %2").arg(fileName, parsed.error));
    case TXmlDocumentFile::TLoadStatus::Loaded:
        break;
    }
    if (QString::fromUtf8(document.document_element().name()) != TVYRAFileTypeRecognizers::get(ftProject))
        throw EInvalidVYRAFormat(
            QStringLiteral("Datei \"%1\" enthält kein gültiges VYRA Projekt.").arg(ExtractFileName(fileName)));
    loadDocument(document, fileName);
}

void TVYRAProjectGroupItems::loadBlank(const QString &fileName)
{
    m_fileName = fileName;
    m_fileExists = !fileName.isEmpty() && QFileInfo(fileName).isFile();
    SetModified(false);
}

void TVYRAProjectGroupItems::loadDocument(const pugi::xml_document &document, const QString &fileName)
{
    const pugi::xml_node element = document.document_element();
    LoadProjectSettings(element, fileName);
    std::unique_ptr<TVYRAProjectGroupItem> root = CreateItem(pitFolder, IncludeTrailingPathDelimiter(m_mainFolder));
    if (const pugi::xml_node stored = element.child("item")) {
        try {
            root->Load(stored);
        } catch (...) {
            // Never part of the group: it goes without telling anyone.
            root->setOwnerTree(nullptr);
            throw;
        }
    }
    root->m_itemType = pitFolder;
    if (root->PhysicalFileName() != m_fileFolder)
        root->AssignPhysicalFileName(m_fileFolder);
    std::unique_ptr<TVYRAProjectGroupItem> old = std::move(m_root);
    m_root = std::move(root);
    TVYRAProjectGroupItem::Destroy(std::move(old));
    ProjectLoaded(fileName);
    m_fileName = fileName;
    m_fileExists = !fileName.isEmpty() && QFileInfo(fileName).isFile();
    SetModified(false);
}
