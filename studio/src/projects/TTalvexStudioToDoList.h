#pragma once

#include "orvane_export.h"
#include "projects/TTalvexStudioToDoEntry.h"

#include <QUuid>
#include <functional>
#include <memory>
#include <pugixml.hpp>
#include <vector>

// The ToDo entries of a project, in the order the user keeps them. Owns its
// entries. Every change, of an entry or of the list itself, goes to
// OnModified, so the project is marked modified and the change is saved.
class ORVANE_EXPORT TTalvexStudioToDoList
{
public:
    // The changed entry (nullptr when entries were removed) and true.
    using TModifiedEvent = std::function<void(TTalvexStudioToDoEntry *sender, bool state)>;

    TTalvexStudioToDoList() = default;

    TTalvexStudioToDoList(const TTalvexStudioToDoList &) = delete;
    TTalvexStudioToDoList &operator=(const TTalvexStudioToDoList &) = delete;

    int GetCount() const { return int(m_items.size()); }
    // nullptr for an index outside the list.
    TTalvexStudioToDoEntry *GetItems(int index) const;

    // A new entry at the end about the project item with the id associatedFile
    // (the null GUID for none).
    TTalvexStudioToDoEntry *AddItem(TTalvexStudioToDoPriority priority, const QString &note, bool isDone,
                                    const QUuid &associatedFile = QUuid());
    // Adopts an entry at the end; false when none was passed.
    bool AddItem(std::unique_ptr<TTalvexStudioToDoEntry> entry);
    // Frees the entry at index; false for an index outside the list.
    bool DeleteItem(int index);
    // -1 when the entry is not in this list.
    int IndexOf(const TTalvexStudioToDoEntry *entry) const;

    // Replaces the entries with the "todo" children of node.
    void Load(const pugi::xml_node &node);
    // Appends one "todo" child per entry, in list order.
    void Save(pugi::xml_node node) const;

    int GetDoneItemsCount() const;
    // Frees every done entry; answers how many went.
    int RemoveDoneItems();

    // Passes a change on to OnModified.
    void Modified(TTalvexStudioToDoEntry *sender);

    TModifiedEvent OnModified;

private:
    std::vector<std::unique_ptr<TTalvexStudioToDoEntry>> m_items;
};
