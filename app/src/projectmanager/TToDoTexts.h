#pragma once

#include "projects/TTalvexStudioToDoPriority.h"

#include <QString>
#include <QStringList>

class TTalvexStudioProject;
class TTalvexStudioToDoEntry;

// The texts of the ToDo list, shared by the project manager's ToDo page and
// the main window's ToDo page: row columns, the counter line and the
// question before done entries are removed.
class TToDoTexts
{
public:
    // "Niedrigste" ... "Höchste" for 0 to 6; empty outside.
    static QString PriorityName(TTalvexStudioToDoPriority priority);
    static QStringList PriorityNames();
    // "Betrifft Datei": the real file name of the associated item, else "(keine Datei)".
    static QString FileText(const TTalvexStudioProject &project, const TTalvexStudioToDoEntry &entry);
    static QString DoneText(bool done);
    // The four columns of one row.
    static QStringList Row(const TTalvexStudioProject &project, const TTalvexStudioToDoEntry &entry);
    // "ToDo-Liste: %d Eintrag, davon %d erledigt:" (or "Einträge").
    static QString Counter(int total, int done);
    // "Es wird 1 Eintrag entfernt. Fortfahren?" / "Es werden %d Einträge entfernt. Fortfahren?".
    static QString RemoveDoneQuestion(int count);

    static const QString NoFile;
};
