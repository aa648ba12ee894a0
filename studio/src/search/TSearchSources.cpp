#include "search/TSearchSources.h"

#include "container/TVYRADocumentEditorLink.h"
#include "container/TVYRADocumentList.h"
#include "documents/TVYRADocument.h"
#include "facade/TEditorControl.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "projects/TVYRAProjectGroupItems.h"

void TSearchSources::addDocument(const TVYRADocumentList &open, TVYRADocument *document)
{
    const TVYRADocumentList::TEntry *entry = open.Entry(open.IndexOf(document));
    if (!entry)
        return;
    Sources.append({document->GetFileName(), TEditorControl(entry->link.get()).Text()});
    Documents.append(document);
}

void TSearchSources::addFile(const QString &fileName)
{
    Sources.append({fileName, std::nullopt});
    Documents.append(nullptr);
}

TSearchSources TSearchSources::OfProject(const TVYRAProjectGroupItems &project, const TVYRADocumentList *open)
{
    TSearchSources result;
    QStringList names;
    QList<TVYRAProjectGroupItem *> items;
    project.ListFiles(names, false, &items);
    for (TVYRAProjectGroupItem *item : items) {
        if (item->ItemType() != pitFile)
            continue;
        TVYRADocument *document = open ? open->DocumentOfItem(item) : nullptr;
        if (document)
            result.addDocument(*open, document);
        else
            result.addFile(project.AbsolutePath(item->PhysicalFileName()));
    }
    return result;
}

TSearchSources TSearchSources::OfOpenDocuments(const TVYRADocumentList &open)
{
    TSearchSources result;
    for (int i = 0; i < open.Count(); ++i)
        result.addDocument(open, open.Items(i));
    return result;
}
