#pragma once

#include "documents/TDocumentResult.h"
#include "projects/TVYRAProjectTypes.h"

#include <QString>

class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;

// Moves one node of a project group under another folder node, possibly of
// another group: settles a name collision with the group's collision handler,
// moves the file or folder on disk when the target group synchronises, then
// moves the node and rewrites the paths of the node, its descendants and their
// open documents. The disk goes first: when it fails, the tree stays as it was.
// An existing entry is sent to the trash only when the moved one takes its place.
class TVYRAProjectItemMover
{
public:
    TVYRAProjectItemMover(TVYRAProjectGroupItem *item, TVYRAProjectGroupItem *newParent);

    TDocumentResult Run();

private:
    TDocumentResult checkTarget();
    TDocumentResult settleCollision();
    TDocumentResult planDisk();
    TDocumentResult moveOnDisk();
    void moveInTree();
    QString freeName(const QString &name, const QString &directory) const;
    bool nameTaken(const QString &name, const QString &directory) const;
    QString entryPath(const TVYRAProjectGroupItem *item) const;
    // Rewrites every path at or below oldPath to lie below newPath, and
    // renames the open documents of the nodes concerned.
    static void rewritePaths(TVYRAProjectGroupItem *node, const QString &oldPath, const QString &newPath);

    TVYRAProjectGroupItem *m_item;
    TVYRAProjectGroupItem *m_newParent;
    TVYRAProjectGroupItem *m_target = nullptr;
    TVYRAProjectGroupItems *m_group = nullptr;
    TVYRAProjectGroupItem *m_existing = nullptr;
    TVYRARenameAction m_action = racCancel;
    QString m_name;
    // Both empty when the disk is left alone.
    QString m_diskSource;
    QString m_diskTarget;
};
