#pragma once

#include "orvane_export.h"
#include "projects/TTalvexStudioToDoPriority.h"

#include <QString>
#include <QUuid>

class TTalvexStudioToDoList;

// One ToDo note of a project: its text, whether it is done, how urgent it is
// and the project item it is about (the null GUID for none). Every real change
// is reported to the list, which tells the project.
class ORVANE_EXPORT TTalvexStudioToDoEntry
{
public:
    // An entry of no list; a list that adopts it becomes its list.
    TTalvexStudioToDoEntry() = default;

    TTalvexStudioToDoEntry(const TTalvexStudioToDoEntry &) = delete;
    TTalvexStudioToDoEntry &operator=(const TTalvexStudioToDoEntry &) = delete;

    TTalvexStudioToDoList *List() const { return m_list; }

    QUuid AssociatedFile() const { return m_associatedFile; }
    void SetAssociatedFile(const QUuid &file);
    QString Note() const { return m_note; }
    void SetNote(const QString &note);
    bool IsDone() const { return m_isDone; }
    void SetIsDone(bool isDone);
    TTalvexStudioToDoPriority Priority() const { return m_priority; }
    void SetPriority(TTalvexStudioToDoPriority priority);

    // Tells the list that this entry changed.
    void Modified();

private:
    friend class TTalvexStudioToDoList;

    TTalvexStudioToDoList *m_list = nullptr;
    QUuid m_associatedFile;
    QString m_note;
    bool m_isDone = false;
    TTalvexStudioToDoPriority m_priority = tdpMedium;
};
