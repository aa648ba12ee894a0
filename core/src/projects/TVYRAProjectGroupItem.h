#pragma once

#include "documents/TDocumentResult.h"
#include "projects/TVYRAProjectTypes.h"
#include "vyra_export.h"

#include <QString>
#include <memory>
#include <pugixml.hpp>
#include <vector>

class TVYRADocument;
class TVYRAProjectGroupItems;

// One node of a project group: a file, a folder or a special entry, with the
// child nodes it owns in display order. A node knows its group (Owner) and
// its parent; the root has none. Destroying a node tells the group, detaches
// the open document that shows it and closes that document.
class VYRA_EXPORT TVYRAProjectGroupItem
{
public:
    TVYRAProjectGroupItem(TVYRAProjectGroupItems *owner, TVYRAProjectItemType itemType, const QString &name);
    virtual ~TVYRAProjectGroupItem();

    TVYRAProjectGroupItem(const TVYRAProjectGroupItem &) = delete;
    TVYRAProjectGroupItem &operator=(const TVYRAProjectGroupItem &) = delete;

    // Tells the group about the node and its subtree (while they are whole),
    // then frees them. Every owner frees nodes this way.
    static void Destroy(std::unique_ptr<TVYRAProjectGroupItem> item);

    // Reports a change of the node (the group becomes modified).
    virtual void Modified(bool state);
    // Writes "ItemType", "ItemName", "Comment", "PhysicalFileName" and one
    // "item" per child into element.
    virtual void Save(pugi::xml_node element) const;
    // Reads what Save wrote; children are made by the group's item class.
    // Raises EInvalidVYRAFormat for a tree nested deeper than the group allows.
    virtual void Load(const pugi::xml_node &element);
    // Called after the node moved from oldParent to newParent (the files
    // already moved when synchronised was set); passes the news on to the
    // children with synchronised false.
    virtual void ParentChanged(TVYRAProjectGroupItem *oldParent, TVYRAProjectGroupItem *newParent,
                               bool synchronised);

    // Tree. Adding sets the child's parent and group; RemoveItem frees.
    int AddItem(std::unique_ptr<TVYRAProjectGroupItem> item);
    int InsertItem(int index, std::unique_ptr<TVYRAProjectGroupItem> item);
    void RemoveItem(int index);
    // Detaches a child without freeing it; nullptr for an invalid index.
    std::unique_ptr<TVYRAProjectGroupItem> RemoveItemEntry(int index);
    // Detaches this node from its parent; nullptr for the root.
    std::unique_ptr<TVYRAProjectGroupItem> RemoveOwnEntry();
    int IndexOf(const TVYRAProjectGroupItem *item) const;
    TVYRAProjectGroupItem *GetItems(int index) const;
    // Replaces the child at index (the old one is freed).
    void SetItems(int index, std::unique_ptr<TVYRAProjectGroupItem> item);
    int GetCount() const { return int(m_children.size()); }
    // All descendants, or the descendants of one type.
    int GetTotalCount() const;
    int GetTotalItemCount(TVYRAProjectItemType itemType) const;
    // Direct children of one type.
    int GetCountOf(TVYRAProjectItemType itemType) const;
    int GetFileCount() const { return GetTotalItemCount(pitFile); }
    int GetFolderCount() const { return GetTotalItemCount(pitFolder); }
    TVYRAProjectGroupItem *GetRoot() const;
    // Place among the siblings; -1 for the root.
    int GetIndex() const;
    // Place in a depth-first walk below the root; -1 for the root.
    int GetAbsoluteIndex() const;
    // True when item is an ancestor of this node.
    bool IsChildOf(const TVYRAProjectGroupItem *item) const;

    // Navigation. NextItem and PrevItem walk depth-first and never leave the
    // tree below the root; the others stay among children and siblings.
    TVYRAProjectGroupItem *FirstItem() const;
    TVYRAProjectGroupItem *LastItem() const;
    TVYRAProjectGroupItem *NextItem() const;
    TVYRAProjectGroupItem *PrevItem() const;
    TVYRAProjectGroupItem *NextSibling() const;
    TVYRAProjectGroupItem *PrevSibling() const;

    // Moves the node under the nearest folder at or above newParent (which
    // may belong to another group), keeping the disk in step when the target
    // group synchronises. Fails, changing nothing, for the root, for a move
    // into the node's own subtree, when a collision is cancelled and when the
    // disk operation fails.
    TDocumentResult SetParent(TVYRAProjectGroupItem *newParent);
    // Moves the node under the root of another group.
    TDocumentResult SetOwner(TVYRAProjectGroupItems *group);

    QString GetName() const { return m_itemName; }
    void SetName(const QString &name);
    void SetComment(const QString &comment);
    // Accepted only when the name part is a valid file name.
    bool SetPhysFile(const QString &path);
    // Names of the ancestors below the root, outermost first, each followed by "/".
    QString GetPath() const;
    QString GetFullPath() const { return GetPath() + m_itemName; }

    // The open document that shows this node, or nullptr.
    TVYRADocument *GetDocument() const;
    // File nodes only: opens the file when no document shows the node (true),
    // else brings that document to front (false).
    bool Open(unsigned openFlags = 0);
    // Folder nodes: makes sure the folder's directory exists (created with its
    // parents) and stores its full path.
    bool CreateFolder();

    TVYRAProjectGroupItems *Owner() const { return m_owner; }
    TVYRAProjectGroupItem *Parent() const { return m_parent; }
    TVYRAProjectItemType ItemType() const { return m_itemType; }
    void SetItemType(TVYRAProjectItemType itemType);
    const QString &PhysicalFileName() const { return m_physicalFileName; }
    const QString &ItemName() const { return m_itemName; }
    const QString &Comment() const { return m_comment; }
    bool NotifyOnDestroy() const { return m_notifyOnDestroy; }
    void SetNotifyOnDestroy(bool notify) { m_notifyOnDestroy = notify; }

protected:
    // Sets values without reporting a change (loading, path rewriting).
    void AssignPhysicalFileName(const QString &path) { m_physicalFileName = path; }
    void AssignItemName(const QString &name) { m_itemName = name; }

private:
    friend class TVYRAProjectGroupItems;
    friend class TVYRAProjectItemMover;

    void attach(TVYRAProjectGroupItem *parent);
    void setOwnerTree(TVYRAProjectGroupItems *owner);
    void countInto(int &count, const TVYRAProjectItemType *itemType) const;
    TVYRAProjectGroupItem *lastDescendant() const;
    int loadDepth() const;
    void announceRemoval();

    TVYRAProjectGroupItems *m_owner;
    TVYRAProjectGroupItem *m_parent = nullptr;
    std::vector<std::unique_ptr<TVYRAProjectGroupItem>> m_children;
    TVYRAProjectItemType m_itemType;
    QString m_physicalFileName;
    QString m_itemName;
    QString m_comment;
    bool m_notifyOnDestroy = true;
    bool m_announced = false;
};
