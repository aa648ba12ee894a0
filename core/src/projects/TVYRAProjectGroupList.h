#pragma once

#include "projects/TVYRAProjectEvents.h"
#include "vyra_export.h"

#include <memory>
#include <vector>

class IVYRAProjectDocumentList;
class TVYRAProjectGroupItems;

// The open project groups (owning), with the document list the groups find
// their documents in and the project events every new group copies.
class VYRA_EXPORT TVYRAProjectGroupList
{
public:
    explicit TVYRAProjectGroupList(IVYRAProjectDocumentList *documents = nullptr,
                                   const TVYRAProjectEvents *events = nullptr);
    ~TVYRAProjectGroupList();

    TVYRAProjectGroupList(const TVYRAProjectGroupList &) = delete;
    TVYRAProjectGroupList &operator=(const TVYRAProjectGroupList &) = delete;

    int Count() const { return int(m_groups.size()); }
    TVYRAProjectGroupItems *Items(int index) const;
    int Add(std::unique_ptr<TVYRAProjectGroupItems> group);
    // An index beyond the end appends.
    void Insert(int index, std::unique_ptr<TVYRAProjectGroupItems> group);
    // Frees the group; an invalid index does nothing.
    void Delete(int index);
    int IndexOf(const TVYRAProjectGroupItems *group) const;

    IVYRAProjectDocumentList *Documents() const { return m_documents; }
    void SetDocuments(IVYRAProjectDocumentList *documents) { m_documents = documents; }
    // The events a new group copies; nullptr for none.
    const TVYRAProjectEvents *ProjectEvents() const { return m_events; }
    void SetProjectEvents(const TVYRAProjectEvents *events) { m_events = events; }

private:
    IVYRAProjectDocumentList *m_documents;
    const TVYRAProjectEvents *m_events;
    std::vector<std::unique_ptr<TVYRAProjectGroupItems>> m_groups;
};
