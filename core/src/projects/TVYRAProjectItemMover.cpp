#include "projects/TVYRAProjectItemMover.h"

#include "projects/IVYRAProjectDocumentList.h"
#include "projects/TVYRAProjectDiskOperations.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "utils/FileUtils.h"

#include <QFileInfo>

namespace {

bool entryExists(const QString &path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

} // namespace

TVYRAProjectItemMover::TVYRAProjectItemMover(TVYRAProjectGroupItem *item, TVYRAProjectGroupItem *newParent)
    : m_item(item)
    , m_newParent(newParent)
{
}

TDocumentResult TVYRAProjectItemMover::Run()
{
    if (!m_item || !m_newParent || !m_newParent->Owner())
        return TDocumentResult::failure(QStringLiteral("Der Projekteintrag hat kein Ziel zum Verschieben."));
    m_name = m_item->GetName();
    if (TDocumentResult result = checkTarget(); !result.ok || !m_target)
        return result;
    if (TDocumentResult result = settleCollision(); !result)
        return result;
    if (TDocumentResult result = planDisk(); !result)
        return result;
    if (TDocumentResult result = moveOnDisk(); !result)
        return result;
    TVYRAProjectGroupItem *oldParent = m_item->Parent();
    moveInTree();
    m_item->ParentChanged(oldParent, m_target, !m_diskSource.isEmpty());
    m_item->Modified(true);
    return TDocumentResult::success();
}

// Leaves m_target empty when there is nothing to do.
TDocumentResult TVYRAProjectItemMover::checkTarget()
{
    m_group = m_newParent->Owner();
    TVYRAProjectGroupItem *target = m_group->FindNextUpperFolder(m_newParent);
    if (!m_item->Parent())
        return TDocumentResult::failure(
            QStringLiteral("„%1“ ist die Wurzel oder hängt an keinem Ordner und kann nicht verschoben werden.").arg(m_name));
    if (target == m_item->Parent() || target->IndexOf(m_item) >= 0)
        return TDocumentResult::success();
    if (target == m_item || target->IsChildOf(m_item))
        return TDocumentResult::failure(
            QStringLiteral("„%1“ kann nicht in sich selbst verschoben werden.").arg(m_name));
    m_target = target;
    return TDocumentResult::success();
}

TDocumentResult TVYRAProjectItemMover::settleCollision()
{
    const QString lower = m_name.toLower();
    for (int i = 0; i < m_target->GetCount() && !m_existing; ++i) {
        if (m_target->GetItems(i)->GetName().toLower() == lower)
            m_existing = m_target->GetItems(i);
    }
    if (!m_existing)
        return TDocumentResult::success();
    m_action = racCancel;
    if (m_group->OnProjectItemCollision)
        m_group->OnProjectItemCollision(m_group, m_item, m_existing, m_action);
    switch (m_action) {
    case racOverwrite:
        return TDocumentResult::success();
    case racAutoRename: {
        const QString directory = m_group->AutoSync() ? m_group->FolderDirectory(m_target) : QString();
        m_name = freeName(m_name, directory);
        m_existing = nullptr;
        return TDocumentResult::success();
    }
    case racCancel:
        break;
    }
    const QString target = m_target->GetName();
    m_existing = nullptr;
    return TDocumentResult::failure(
        QStringLiteral("„%1“ wurde nicht verschoben: „%2“ enthält schon einen Eintrag dieses Namens.").arg(m_name, target));
}

QString TVYRAProjectItemMover::entryPath(const TVYRAProjectGroupItem *item) const
{
    if (item->ItemType() == pitFolder)
        return ExcludeTrailingPathDelimiter(item->Owner()->FolderDirectory(item));
    return item->Owner()->AbsolutePath(item->PhysicalFileName());
}

TDocumentResult TVYRAProjectItemMover::planDisk()
{
    if (!m_group->AutoSync())
        return TDocumentResult::success();
    const bool isFolder = m_item->ItemType() == pitFolder;
    const QString source = entryPath(m_item);
    if (source.isEmpty() || !(isFolder ? QFileInfo(source).isDir() : QFileInfo(source).isFile()))
        return TDocumentResult::success();
    if (!m_target->CreateFolder())
        return TDocumentResult::failure(
            QStringLiteral("Der Ordner für „%1“ konnte nicht angelegt werden.").arg(m_target->GetName()));
    const QString directory = m_group->FolderDirectory(m_target);
    QString fileName = ExtractFileName(source);
    // A file named like its node takes the node's new name along.
    if (m_name != m_item->GetName() && fileName.toLower() == m_item->GetName().toLower())
        fileName = m_name;
    const QString target = directory + fileName;
    if (target == source)
        return TDocumentResult::success();
    if (isFolder && IsSubDirOf(source, directory))
        return TDocumentResult::failure(
            QStringLiteral("Der Ordner „%1“ kann nicht in sich selbst verschoben werden.").arg(source));
    m_diskSource = source;
    m_diskTarget = target;
    return TDocumentResult::success();
}

TDocumentResult TVYRAProjectItemMover::moveOnDisk()
{
    if (m_diskSource.isEmpty())
        return TDocumentResult::success();
    QString trashedName;
    const bool replaces = m_existing && entryPath(m_existing) == m_diskTarget && entryExists(m_diskTarget);
    if (replaces) {
        if (TDocumentResult result = TVYRAProjectDiskOperations::Trash(m_diskTarget, trashedName); !result)
            return result;
    }
    TDocumentResult result = TVYRAProjectDiskOperations::MoveEntry(m_diskSource, m_diskTarget);
    if (!result && replaces && !TVYRAProjectDiskOperations::Restore(trashedName, m_diskTarget))
        result.errorText += QStringLiteral(" „%1“ liegt im Papierkorb.").arg(m_diskTarget);
    return result;
}

void TVYRAProjectItemMover::moveInTree()
{
    std::unique_ptr<TVYRAProjectGroupItem> self = m_item->RemoveOwnEntry();
    m_item->AssignItemName(m_name);
    m_target->AddItem(std::move(self));
    if (!m_diskSource.isEmpty())
        rewritePaths(m_item, m_diskSource, m_diskTarget);
    // The node that was overwritten goes last: its open document closes with it.
    if (m_existing && m_existing != m_item)
        TVYRAProjectGroupItem::Destroy(m_existing->RemoveOwnEntry());
}

bool TVYRAProjectItemMover::nameTaken(const QString &name, const QString &directory) const
{
    const QString lower = name.toLower();
    for (int i = 0; i < m_target->GetCount(); ++i) {
        if (m_target->GetItems(i)->GetName().toLower() == lower)
            return true;
    }
    return !directory.isEmpty() && entryExists(directory + name);
}

QString TVYRAProjectItemMover::freeName(const QString &name, const QString &directory) const
{
    const bool isFolder = m_item->ItemType() == pitFolder;
    const int dot = isFolder ? -1 : int(name.lastIndexOf(QLatin1Char('.')));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(extension);
        if (!nameTaken(candidate, directory))
            return candidate;
    }
}

// Rewrites every path at or below oldPath to lie below newPath, and renames
// the open documents of the nodes concerned.
void TVYRAProjectItemMover::rewritePaths(TVYRAProjectGroupItem *node, const QString &oldPath, const QString &newPath)
{
    TVYRAProjectGroupItems *group = node->Owner();
    const QString path = group->AbsolutePath(node->PhysicalFileName());
    if (!path.isEmpty() && (path == oldPath || path.startsWith(oldPath + QLatin1Char('/')))) {
        const QString moved = newPath + path.mid(oldPath.size());
        node->AssignPhysicalFileName(moved);
        IVYRAProjectDocumentList *documents = group->Documents();
        if (TVYRADocument *document = documents ? documents->DocumentOfItem(node) : nullptr)
            documents->DocumentFileMoved(document, moved);
    }
    for (int i = 0; i < node->GetCount(); ++i)
        rewritePaths(node->GetItems(i), oldPath, newPath);
}
