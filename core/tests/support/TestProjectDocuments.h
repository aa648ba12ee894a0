#pragma once

#include "documents/TVYRADocument.h"
#include "projects/IVYRAProjectDocumentList.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "projects/TVYRAProjectGroupItems.h"

#include <QStringList>
#include <memory>
#include <vector>

// The open documents of project-group tests, in place of the container's
// document list: real documents, each tied to a project item. Closing a
// document that still holds its item records that the item would be freed a
// second time, as the container does when documents remove their items.
class TestProjectDocuments : public IVYRAProjectDocumentList
{
public:
    struct Entry {
        std::unique_ptr<TVYRADocument> document;
        TVYRAProjectGroupItem *item = nullptr;
        TVYRAProjectGroupItems *group = nullptr;
    };

    TVYRADocument *Open(TVYRAProjectGroupItem *item)
    {
        auto document = std::make_unique<TVYRADocument>(item->PhysicalFileName(), QStringLiteral("0.98"), nullptr,
                                                        nullptr, nullptr, true);
        TVYRADocument *opened = document.get();
        entries.push_back({std::move(document), item, item->Owner()});
        return opened;
    }

    TVYRADocument *DocumentOfItem(const TVYRAProjectGroupItem *item) const override
    {
        for (const Entry &entry : entries) {
            if (entry.item == item)
                return entry.document.get();
        }
        return nullptr;
    }

    QList<TVYRADocument *> DocumentsOfGroup(const TVYRAProjectGroupItems *group) const override
    {
        QList<TVYRADocument *> documents;
        for (const Entry &entry : entries) {
            if (entry.group == group)
                documents.append(entry.document.get());
        }
        return documents;
    }

    bool OpenItem(TVYRAProjectGroupItem *item, unsigned) override { return Open(item) != nullptr; }
    void ActivateDocument(TVYRADocument *document) override { activated = document; }
    void DocumentFileMoved(TVYRADocument *document, const QString &newFileName) override
    {
        document->SetFileName(newFileName);
    }
    void DetachDocument(TVYRADocument *document) override
    {
        if (Entry *entry = find(document))
            entry->item = nullptr;
    }
    void HandleRemove(TVYRADocument *document) override
    {
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (it->document.get() != document)
                continue;
            if (it->item)
                itemFreedTwice = true;
            closed.append(document->GetFileName());
            entries.erase(it);
            return;
        }
    }
    void HandleProjectSave(TVYRAProjectGroupItems *group) override { saved.append(group); }

    Entry *find(TVYRADocument *document)
    {
        for (Entry &entry : entries) {
            if (entry.document.get() == document)
                return &entry;
        }
        return nullptr;
    }

    std::vector<Entry> entries;
    TVYRADocument *activated = nullptr;
    QStringList closed;
    QList<TVYRAProjectGroupItems *> saved;
    bool itemFreedTwice = false;
};
