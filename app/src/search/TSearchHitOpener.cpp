#include "search/TSearchHitOpener.h"

#include "container/TVYRADocumentContainer.h"
#include "container/TVYRADocumentEditorLink.h"
#include "documents/TVYRADocument.h"
#include "facade/TEditorControl.h"
#include "search/TTalvexStudioFileSearchResult.h"

TSearchHitOpener::TSearchHitOpener(TVYRADocumentContainer &container)
    : m_container(container)
{
}

int TSearchHitOpener::documentIndexOf(const TTalvexStudioFileSearchResult &hit) const
{
    const TVYRADocumentList &documents = m_container.Documents();
    if (hit.Document) {
        const int index = documents.IndexOf(hit.Document.data());
        if (index >= 0)
            return index;
    }
    for (int i = 0; i < documents.Count(); ++i) {
        const TVYRADocument *document = documents.Items(i);
        if (document->GetFileExists() && document->GetFileName() == hit.FileName)
            return i;
    }
    return -1;
}

bool TSearchHitOpener::Open(const TTalvexStudioFileSearchResult &hit)
{
    int index = documentIndexOf(hit);
    if (index < 0) {
        m_container.OpenDocument(hit.FileName);
        index = documentIndexOf(hit);
    }
    if (index < 0)
        return false;
    m_container.ActivateDocument(index);
    const TVYRADocumentList::TEntry *entry = m_container.Documents().Entry(index);
    TEditorControl control(entry->link.get());
    control.SetSelection(hit.Position, hit.Length);
    return true;
}
