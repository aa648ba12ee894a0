#pragma once

#include "projects/IVYRAProjectDocumentList.h"
#include "vyra_export.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class TCodeEditor;
class TRichEditor;
class TVYRADocument;
class TVYRADocumentContainer;
class TVYRADocumentEditorLink;

// The open documents, in order. Each entry keeps, at one index, the document,
// its two editor controls (either may be missing when its kind is not
// available), the project group it belongs to and its entry in that group, so
// the lists can never drift apart. The list owns the documents and frees
// their controls with them. What project groups ask of the open documents
// goes to the container.
class VYRA_EXPORT TVYRADocumentList : public IVYRAProjectDocumentList
{
public:
    struct TEntry {
        TEntry();
        ~TEntry();
        TEntry(TEntry &&) noexcept;
        TEntry &operator=(TEntry &&) noexcept;

        std::unique_ptr<TVYRADocument> document;
        QPointer<TCodeEditor> code;
        QPointer<TRichEditor> rich;
        TVYRAProjectGroupItems *project = nullptr;
        TVYRAProjectGroupItem *item = nullptr;
        std::unique_ptr<TVYRADocumentEditorLink> link;
        // Changes of the controls are not the user's (loading, deciphering, switching).
        int quiet = 0;
        // The code editor still reads the file / a worker still deciphers the text.
        bool loading = false;
        bool deciphering = false;
    };

    explicit TVYRADocumentList(TVYRADocumentContainer *container);
    ~TVYRADocumentList() override;

    TVYRADocumentList(const TVYRADocumentList &) = delete;
    TVYRADocumentList &operator=(const TVYRADocumentList &) = delete;

    int Count() const { return int(m_entries.size()); }
    bool IsIndexValid(int index) const { return index >= 0 && index < Count(); }
    TVYRADocument *Items(int index) const;
    TEntry *Entry(int index);
    const TEntry *Entry(int index) const;
    TEntry *EntryOf(const TVYRADocument *document);
    // Inserts at index (appends beyond the end); returns the index.
    int Insert(int index, TEntry entry);
    // Takes the entry out without freeing it.
    TEntry Take(int index);
    void Exchange(int index1, int index2);
    // Position of the document; -1 for nullptr or a document not in the list.
    int IndexOf(const TVYRADocument *document) const;
    // The first document with the same file name (case-insensitive), the same
    // FileExists flag and the same project group as document; -1 for nullptr.
    int IndexOfSame(const TVYRADocument *document) const;
    TVYRAProjectGroupItems *ProjectOf(const TVYRADocument *document) const;
    TVYRAProjectGroupItem *ItemOf(const TVYRADocument *document) const;

    // IVYRAProjectDocumentList
    TVYRADocument *DocumentOfItem(const TVYRAProjectGroupItem *item) const override;
    QList<TVYRADocument *> DocumentsOfGroup(const TVYRAProjectGroupItems *group) const override;
    bool OpenItem(TVYRAProjectGroupItem *item, unsigned openFlags) override;
    void ActivateDocument(TVYRADocument *document) override;
    void DocumentFileMoved(TVYRADocument *document, const QString &newFileName) override;
    void DetachDocument(TVYRADocument *document) override;
    // Closes the document through the container (never removing its item).
    void HandleRemove(TVYRADocument *document) override;
    void HandleProjectSave(TVYRAProjectGroupItems *group) override;

    TVYRADocumentContainer *Container() const { return m_container; }

private:
    TVYRADocumentContainer *m_container;
    std::vector<TEntry> m_entries;
};
