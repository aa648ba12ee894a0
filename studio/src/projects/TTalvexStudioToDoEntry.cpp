#include "projects/TTalvexStudioToDoEntry.h"

#include "projects/TTalvexStudioToDoList.h"

void TTalvexStudioToDoEntry::SetAssociatedFile(const QUuid &file)
{
    if (file == m_associatedFile)
        return;
    m_associatedFile = file;
    Modified();
}

void TTalvexStudioToDoEntry::SetNote(const QString &note)
{
    if (note == m_note)
        return;
    m_note = note;
    Modified();
}

void TTalvexStudioToDoEntry::SetIsDone(bool isDone)
{
    if (isDone == m_isDone)
        return;
    m_isDone = isDone;
    Modified();
}

void TTalvexStudioToDoEntry::SetPriority(TTalvexStudioToDoPriority priority)
{
    if (priority == m_priority)
        return;
    m_priority = priority;
    Modified();
}

void TTalvexStudioToDoEntry::Modified()
{
    if (m_list)
        m_list->Modified(this);
}
