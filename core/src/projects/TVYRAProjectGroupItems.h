#pragma once

#include "documents/TDocumentResult.h"
#include "projects/TVYRAProjectEvents.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "utils/TSHFileOperation.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <pugixml.hpp>

class IVYRAProjectDocumentList;
class TVYRADocument;
class TVYRAProjectGroupList;

// A copy or move that synchronisation runs when something is added; none
// leaves the disk alone.
using TVYRAProjectFileOperation = std::optional<TSHFileOperationType>;

// A project group: a tree of folders and files stored as a ".qpg" XML file
// whose root element is the project recogniser. The group may keep its tree in
// step with the disk: moving a node moves its file or folder, adding a file
// copies or moves it into the folder it is added to.
//
// Construction never loads, so that a descendant's overrides take part in
// loading: create groups through Create (or a factory), which loads after
// construction when asked to.
class VYRA_EXPORT TVYRAProjectGroupItems
{
public:
    // The class of the nodes ("ItemClass"): makes a node of the given type and name.
    using TItemClass = std::function<std::unique_ptr<TVYRAProjectGroupItem>(
        TVYRAProjectGroupItems *owner, TVYRAProjectItemType itemType, const QString &name)>;
    // The class of a group as the core creates it ("ProjectGroupClass").
    using TFactory = std::function<std::unique_ptr<TVYRAProjectGroupItems>(
        TVYRAProjectGroupList *list, const QString &fileName, bool fileExists, bool loadNow)>;

    // Nodes nested deeper than this make a file invalid.
    static constexpr int MaxItemDepth = 512;

    TVYRAProjectGroupItems(TVYRAProjectGroupList *list, const QString &fileName, bool fileExists,
                           TItemClass itemClass = {});
    virtual ~TVYRAProjectGroupItems();

    TVYRAProjectGroupItems(const TVYRAProjectGroupItems &) = delete;
    TVYRAProjectGroupItems &operator=(const TVYRAProjectGroupItems &) = delete;

    // Constructs a T and, with loadNow, loads its file (exceptions of Load pass).
    template <class T>
    static std::unique_ptr<T> Create(TVYRAProjectGroupList *list, const QString &fileName, bool fileExists,
                                     bool loadNow)
    {
        auto group = std::make_unique<T>(list, fileName, fileExists);
        if (loadNow)
            group->Load();
        return group;
    }
    static TFactory DefaultFactory();

    // A node of the group's item class.
    std::unique_ptr<TVYRAProjectGroupItem> CreateItem(TVYRAProjectItemType itemType, const QString &name);

    // Overridable steps.
    // A node reported a change (the root's reports arrive here).
    virtual void OnModified(TVYRAProjectGroupItem *sender, bool state);
    // Writes the settings into the document element.
    virtual void SaveProjectSettings(pugi::xml_node element) const;
    // Reads the settings from the document element of the file fileName.
    virtual void LoadProjectSettings(const pugi::xml_node &element, const QString &fileName);
    virtual void ProjectLoaded(const QString &fileName);
    virtual void ProjectSaved(const QString &fileName);

    // Adds a node under the nearest folder at or above folder (the root when
    // folder is nullptr); returns its index among its siblings.
    int AddItem(const QString &name, const QString &physicalFileName, TVYRAProjectItemType itemType,
                TVYRAProjectGroupItem *folder, bool notify);
    // Adds a file node; with an operation and synchronisation the file is
    // first copied or moved into the folder's directory and the node gets the
    // new path. Returns the node's index, the index of the node already there
    // for the file, or -1 when the disk operation failed (nothing is added).
    int AddFile(const QString &fileName, TVYRAProjectGroupItem *folder, TVYRAProjectFileOperation operation,
                bool notify);
    // Adds a folder node; with an operation and synchronisation an existing
    // directory is brought into the folder's directory with its content (a
    // node for it and nodes for its content), a missing one is created there.
    // Returns the node's index, or -1.
    int AddFolder(const QString &path, TVYRAProjectGroupItem *folder, TVYRAProjectFileOperation operation,
                  bool notify);
    // Adds the content of a directory under the nearest folder at or above
    // parent, first copying or moving it into that folder's directory when an
    // operation is given and the group synchronises.
    TDocumentResult ImportFromFolder(const QString &folder, bool recursive, TVYRAProjectFileOperation operation,
                                     TVYRAProjectGroupItem *parent);

    // The first file node whose tree path (case-insensitive) or physical file
    // name equals fileName; the children of a node are checked before its subtrees.
    TVYRAProjectGroupItem *FindFile(const QString &fileName) const;
    // The index-th child of the first node found at depth level - 1 (level 0: the root itself).
    TVYRAProjectGroupItem *SelectItem(int level, int index) const;
    TVYRAProjectGroupItem *ItemByAbsIndex(int index) const;
    // Depth below the root; -1 when the node is not in this group.
    int GetItemLevel(const TVYRAProjectGroupItem *item) const;
    int GetItemAbsoluteIndex(const TVYRAProjectGroupItem *item) const;
    // The node itself when it is a folder, else its nearest folder ancestor, else the root.
    TVYRAProjectGroupItem *FindNextUpperFolder(TVYRAProjectGroupItem *item) const;

    TDocumentResult MoveItem(TVYRAProjectGroupItem *item, TVYRAProjectGroupItem *newParent);
    // Swaps two siblings; false when they have different parents.
    bool ExchangeItems(TVYRAProjectGroupItem *a, TVYRAProjectGroupItem *b);
    // Sorts the children of every folder by file name, case-insensitively (stable).
    void AlphaSort();

    // Physical file names in depth-first order; with onlyExistingFiles only
    // file nodes whose file exists; objects receives the nodes when given.
    void ListFiles(QStringList &files, bool onlyExistingFiles, QList<TVYRAProjectGroupItem *> *objects = nullptr) const;
    QList<TVYRADocument *> GetDocuments() const;
    int GetFileCount() const { return m_root->GetFileCount(); }
    int GetFolderCount() const { return m_root->GetFolderCount(); }

    // Writes the group to fileName (empty: FileName). A missing, empty or
    // blank target is created; a damaged one is kept as a copy and replaced;
    // a file with another root element is left alone and the save fails.
    // Modified is cleared only on success.
    TDocumentResult Save(const QString &fileName = QString());
    // Reads the group from fileName (empty: FileName). A missing or blank
    // file changes only FileName, FileExists and Modified. Raises
    // EInvalidVYRAFormat for a damaged file or another root element.
    void Load(const QString &fileName = QString());
    // Load from bytes read elsewhere; fileName names the file in messages and
    // stands in for the folder when "directory" is missing.
    void LoadFromBytes(const QByteArray &data, const QString &fileName);
    // The stored form, as Save writes it into a new file.
    QByteArray SaveToBytes() const;

    // Path macros of the stored form: a leading FileFolder or MainFolder
    // becomes "$(FILEFOLDER)" or "$(MAINFOLDER)" and back.
    QString StoredPath(const QString &path) const;
    QString ExpandedPath(const QString &storedPath) const;
    // The directory a folder node stands for: the root's is FileFolder; a
    // relative path counts from FileFolder; a folder without path lies in its
    // parent's directory under its name. Ends with "/"; empty when unknown.
    QString FolderDirectory(const TVYRAProjectGroupItem *folder) const;
    // A clean absolute path; a relative one counts from FileFolder. Empty for an empty path.
    QString AbsolutePath(const QString &path) const;
    // Why the last AddFile or AddFolder returned -1 (German); empty after success.
    QString LastError() const { return m_lastError; }
    // Whether synchronisation may copy or move name into the group; asks
    // OnAddingProjectItem when ConfirmFileSync is on (destination may change).
    bool IsAddAllowed(TVYRAProjectItemType itemType, const QString &name, QString &destination);

    TVYRAProjectGroupList *ProjectList() const { return m_list; }
    void SetProjectList(TVYRAProjectGroupList *list) { m_list = list; }
    IVYRAProjectDocumentList *Documents() const;
    TVYRAProjectGroupItem *Root() const { return m_root.get(); }

    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &fileName);
    bool FileExists() const { return m_fileExists; }
    QString ProjectName() const { return m_projectName; }
    void SetProjectName(const QString &name);
    QString Version() const { return m_version; }
    void SetVersion(const QString &version);
    QString Comment() const { return m_comment; }
    void SetComment(const QString &comment);
    // Both end with "/"; accepted only for existing directories.
    QString MainFolder() const { return m_mainFolder; }
    bool SetMainFolder(const QString &folder);
    QString FileFolder() const { return m_fileFolder; }
    bool SetFileFolder(const QString &folder);
    TVYRASyncFileMode SyncFileMode() const { return m_syncFileMode; }
    void SetSyncFileMode(TVYRASyncFileMode mode);
    bool AutoSync() const { return m_syncFileMode != sfmDontSynrchronize; }
    bool ConfirmFileSync() const { return m_confirmFileSync; }
    void SetConfirmFileSync(bool confirm);
    bool Modified() const { return m_modified; }
    void SetModified(bool state);

    TVYRAProjectEvents &Events() { return m_events; }
    const TVYRAProjectEvents &Events() const { return m_events; }
    TVYRAProjectItemCollision OnProjectItemCollision;

protected:
    // A node of this group is being destroyed (its subtree goes with it).
    virtual void ItemDestroying(TVYRAProjectGroupItem *item);

private:
    friend class TVYRAProjectGroupItem;

    void itemDestroying(TVYRAProjectGroupItem *item);
    void writeInto(pugi::xml_node element) const;
    void loadDocument(const pugi::xml_document &document, const QString &fileName);
    void loadBlank(const QString &fileName);
    void importListing(const struct TFolderListing &listing, const QString &prefix, TVYRAProjectGroupItem *node);
    TVYRAProjectGroupItem *findFileBelow(const TVYRAProjectGroupItem *node, const QString &nodePath,
                                         const QString &fileName) const;
    void sortChildren(TVYRAProjectGroupItem *folder, bool &changed);

    TVYRAProjectGroupList *m_list;
    TItemClass m_itemClass;
    std::unique_ptr<TVYRAProjectGroupItem> m_root;
    QString m_fileName;
    bool m_fileExists = false;
    QString m_projectName;
    QString m_version;
    QString m_comment;
    QString m_mainFolder;
    QString m_fileFolder;
    TVYRASyncFileMode m_syncFileMode = sfmDontSynrchronize;
    bool m_confirmFileSync = true;
    bool m_modified = false;
    bool m_destroying = false;
    QString m_lastError;
    TVYRAProjectEvents m_events;
};
