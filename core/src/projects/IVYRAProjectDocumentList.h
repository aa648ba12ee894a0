#pragma once

#include "vyra_export.h"

#include <QList>
#include <QString>

class TVYRADocument;
class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;

// What a project group needs of the open documents. The container's document
// list implements it; a group never changes a document except through it.
class VYRA_EXPORT IVYRAProjectDocumentList
{
public:
    virtual ~IVYRAProjectDocumentList() = default;

    // The open document whose project item is item, or nullptr.
    virtual TVYRADocument *DocumentOfItem(const TVYRAProjectGroupItem *item) const = 0;
    // The open documents of the group, in list order.
    virtual QList<TVYRADocument *> DocumentsOfGroup(const TVYRAProjectGroupItems *group) const = 0;

    // Opens the file of item as a document of its group; false when it could
    // not be opened. Only called when no document shows the item.
    virtual bool OpenItem(TVYRAProjectGroupItem *item, unsigned openFlags) = 0;
    // Brings the document to front.
    virtual void ActivateDocument(TVYRADocument *document) = 0;
    // The file of the document was moved on disk: the document takes the new name.
    virtual void DocumentFileMoved(TVYRADocument *document, const QString &newFileName) = 0;
    // The document's project item is going away: from now on the document
    // refers to no item (and so never frees it). Always called before HandleRemove.
    virtual void DetachDocument(TVYRADocument *document) = 0;
    // Closes a document whose item went away.
    virtual void HandleRemove(TVYRADocument *document) = 0;
    // The group was saved under its file name (a saved default group becomes
    // an ordinary one).
    virtual void HandleProjectSave(TVYRAProjectGroupItems *group) = 0;
};
