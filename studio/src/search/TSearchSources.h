#pragma once

#include "orvane_export.h"
#include "search/TSearchRunner.h"

#include <QList>
#include <QPointer>

class TVYRADocument;
class TVYRADocumentList;
class TVYRAProjectGroupItems;

// What a project or the open documents give a file search: the texts of
// open documents as their editors show them right now (unsaved changes
// included), the other files by name, to be read from disk. Built on the
// main thread, which owns the documents; the texts are copies.
class ORVANE_EXPORT TSearchSources
{
public:
    QList<TSearchRunner::TSource> Sources;
    // The open document of each source, nullptr for a file on disk.
    QList<QPointer<TVYRADocument>> Documents;

    // Every file item of the project in tree order.
    static TSearchSources OfProject(const TVYRAProjectGroupItems &project, const TVYRADocumentList *open);
    // Every open document in container order.
    static TSearchSources OfOpenDocuments(const TVYRADocumentList &open);

private:
    void addDocument(const TVYRADocumentList &open, TVYRADocument *document);
    void addFile(const QString &fileName);
};
