#include "container/TVYRADocumentList.h"

#include "container/TVYRADocumentContainer.h"
#include "container/TVYRADocumentEditorLink.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "projects/TVYRAProjectGroupItems.h"

TVYRADocumentList::TEntry::TEntry() = default;
TVYRADocumentList::TEntry::~TEntry() = default;
TVYRADocumentList::TEntry::TEntry(TEntry &&) noexcept = default;
TVYRADocumentList::TEntry &TVYRADocumentList::TEntry::operator=(TEntry &&) noexcept = default;

TVYRADocumentList::TVYRADocumentList(TVYRADocumentContainer *container)
    : m_container(container)
{
}

TVYRADocumentList::~TVYRADocumentList()
{
    // Links first: they point at their documents.
    for (TEntry &entry : m_entries)
        entry.link.reset();
}

TVYRADocument *TVYRADocumentList::Items(int index) const
{
    return IsIndexValid(index) ? m_entries[size_t(index)].document.get() : nullptr;
}

TVYRADocumentList::TEntry *TVYRADocumentList::Entry(int index)
{
    return IsIndexValid(index) ? &m_entries[size_t(index)] : nullptr;
}

const TVYRADocumentList::TEntry *TVYRADocumentList::Entry(int index) const
{
    return IsIndexValid(index) ? &m_entries[size_t(index)] : nullptr;
}

TVYRADocumentList::TEntry *TVYRADocumentList::EntryOf(const TVYRADocument *document)
{
    return Entry(IndexOf(document));
}

int TVYRADocumentList::Insert(int index, TEntry entry)
{
    if (index < 0 || index > Count())
        index = Count();
    m_entries.insert(m_entries.begin() + index, std::move(entry));
    return index;
}

TVYRADocumentList::TEntry TVYRADocumentList::Take(int index)
{
    TEntry entry = std::move(m_entries[size_t(index)]);
    m_entries.erase(m_entries.begin() + index);
    return entry;
}

void TVYRADocumentList::Exchange(int index1, int index2)
{
    if (IsIndexValid(index1) && IsIndexValid(index2))
        std::swap(m_entries[size_t(index1)], m_entries[size_t(index2)]);
}

int TVYRADocumentList::IndexOf(const TVYRADocument *document) const
{
    if (!document)
        return -1;
    for (int i = 0; i < Count(); ++i) {
        if (m_entries[size_t(i)].document.get() == document)
            return i;
    }
    return -1;
}

int TVYRADocumentList::IndexOfSame(const TVYRADocument *document) const
{
    const int own = IndexOf(document);
    if (!document)
        return -1;
    const TVYRAProjectGroupItems *project = own >= 0 ? m_entries[size_t(own)].project : nullptr;
    for (int i = 0; i < Count(); ++i) {
        const TVYRADocument *other = m_entries[size_t(i)].document.get();
        if (other->GetFileName().compare(document->GetFileName(), Qt::CaseInsensitive) == 0
            && other->GetFileExists() == document->GetFileExists() && m_entries[size_t(i)].project == project)
            return i;
    }
    return -1;
}

TVYRAProjectGroupItems *TVYRADocumentList::ProjectOf(const TVYRADocument *document) const
{
    const int index = IndexOf(document);
    return index >= 0 ? m_entries[size_t(index)].project : nullptr;
}

TVYRAProjectGroupItem *TVYRADocumentList::ItemOf(const TVYRADocument *document) const
{
    const int index = IndexOf(document);
    return index >= 0 ? m_entries[size_t(index)].item : nullptr;
}

TVYRADocument *TVYRADocumentList::DocumentOfItem(const TVYRAProjectGroupItem *item) const
{
    if (!item)
        return nullptr;
    for (const TEntry &entry : m_entries) {
        if (entry.item == item)
            return entry.document.get();
    }
    return nullptr;
}

QList<TVYRADocument *> TVYRADocumentList::DocumentsOfGroup(const TVYRAProjectGroupItems *group) const
{
    QList<TVYRADocument *> documents;
    for (const TEntry &entry : m_entries) {
        if (entry.project == group)
            documents.append(entry.document.get());
    }
    return documents;
}

bool TVYRADocumentList::OpenItem(TVYRAProjectGroupItem *item, unsigned openFlags)
{
    if (!item || !item->Owner())
        return false;
    const TVYRALoadResult result =
        m_container->OpenDocumentEx(nullptr, item->Owner()->AbsolutePath(item->PhysicalFileName()), item->Owner(),
                                    Count(), TVYRAFileOpenFlags(int(openFlags)));
    return result == lrSuccess;
}

void TVYRADocumentList::ActivateDocument(TVYRADocument *document)
{
    m_container->ActivateDocument(document);
}

void TVYRADocumentList::DocumentFileMoved(TVYRADocument *document, const QString &newFileName)
{
    if (IndexOf(document) >= 0)
        document->SetFileName(newFileName);
}

void TVYRADocumentList::DetachDocument(TVYRADocument *document)
{
    if (TEntry *entry = EntryOf(document))
        entry->item = nullptr;
}

void TVYRADocumentList::HandleRemove(TVYRADocument *document)
{
    const int index = IndexOf(document);
    if (index >= 0)
        m_container->CloseDocument(index, fcoNeverRemove, true);
}

void TVYRADocumentList::HandleProjectSave(TVYRAProjectGroupItems *group)
{
    m_container->HandleProjectSave(group);
}
