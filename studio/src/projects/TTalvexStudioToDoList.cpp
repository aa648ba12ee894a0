#include "projects/TTalvexStudioToDoList.h"

#include "projects/ProjectGuids.h"
#include "utils/XmlNodes.h"

#include <algorithm>

namespace {

const QString NoteNode = QStringLiteral("note");
const QString AssociatedFileNode = QStringLiteral("associatedfile");
const QString IsDoneNode = QStringLiteral("isdone");
constexpr const char *EntryNode = "todo";
constexpr const char *PriorityAttribute = "priority";

TTalvexStudioToDoPriority storedPriority(const pugi::xml_node &node)
{
    const QString name = GetNodeAttributeText(node, QString::fromLatin1(PriorityAttribute));
    return ToDoPriorityFromName(name).value_or(tdpMedium);
}

} // namespace

TTalvexStudioToDoEntry *TTalvexStudioToDoList::GetItems(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return m_items[size_t(index)].get();
}

TTalvexStudioToDoEntry *TTalvexStudioToDoList::AddItem(TTalvexStudioToDoPriority priority, const QString &note,
                                                       bool isDone, const QUuid &associatedFile)
{
    auto entry = std::make_unique<TTalvexStudioToDoEntry>();
    entry->m_priority = priority;
    entry->m_note = note;
    entry->m_associatedFile = associatedFile;
    entry->m_isDone = isDone;
    TTalvexStudioToDoEntry *added = entry.get();
    AddItem(std::move(entry));
    return added;
}

bool TTalvexStudioToDoList::AddItem(std::unique_ptr<TTalvexStudioToDoEntry> entry)
{
    if (!entry)
        return false;
    entry->m_list = this;
    m_items.push_back(std::move(entry));
    Modified(m_items.back().get());
    return true;
}

bool TTalvexStudioToDoList::DeleteItem(int index)
{
    if (index < 0 || index >= GetCount())
        return false;
    m_items.erase(m_items.begin() + index);
    Modified(nullptr);
    return true;
}

int TTalvexStudioToDoList::IndexOf(const TTalvexStudioToDoEntry *entry) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [entry](const auto &item) { return item.get() == entry; });
    return found == m_items.end() ? -1 : int(found - m_items.begin());
}

void TTalvexStudioToDoList::Load(const pugi::xml_node &node)
{
    m_items.clear();
    for (pugi::xml_node child = node.child(EntryNode); child; child = child.next_sibling(EntryNode)) {
        auto entry = std::make_unique<TTalvexStudioToDoEntry>();
        entry->m_list = this;
        entry->m_associatedFile = GuidFromText(GetNodeText(child, AssociatedFileNode));
        entry->SetPriority(storedPriority(child));
        entry->SetNote(GetNodeText(child, NoteNode));
        entry->SetIsDone(GetNodeBool(child, IsDoneNode));
        m_items.push_back(std::move(entry));
    }
}

void TTalvexStudioToDoList::Save(pugi::xml_node node) const
{
    for (const auto &entry : m_items) {
        pugi::xml_node child = node.append_child(EntryNode);
        child.append_attribute(PriorityAttribute).set_value(ToDoPriorityName(entry->Priority()).toUtf8().constData());
        SetNodeText(child, NoteNode, entry->Note());
        SetNodeText(child, AssociatedFileNode, GuidText(entry->AssociatedFile()));
        SetNodeBool(child, IsDoneNode, entry->IsDone());
    }
}

int TTalvexStudioToDoList::GetDoneItemsCount() const
{
    return int(std::count_if(m_items.begin(), m_items.end(), [](const auto &entry) { return entry->IsDone(); }));
}

int TTalvexStudioToDoList::RemoveDoneItems()
{
    const auto firstDone = std::remove_if(m_items.begin(), m_items.end(),
                                          [](const auto &entry) { return entry->IsDone(); });
    const int removed = int(m_items.end() - firstDone);
    m_items.erase(firstDone, m_items.end());
    if (removed > 0)
        Modified(nullptr);
    return removed;
}

void TTalvexStudioToDoList::Modified(TTalvexStudioToDoEntry *sender)
{
    if (OnModified)
        OnModified(sender, true);
}
