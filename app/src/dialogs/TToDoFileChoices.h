#pragma once

#include <QList>
#include <QString>
#include <QUuid>

class TTalvexStudioProject;

// The entries of the file box of the ToDo entry editor: "(keine Datei)"
// first, then every file of the project as its path inside the project
// ("css/site.css"), each with the identity of its project item.
class TToDoFileChoices
{
public:
    struct TChoice {
        QString text;
        QUuid id;          // null for "(keine Datei)" and for a file no item has any more
        QString fileName;  // the file on disk, empty for "(keine Datei)"
    };

    static QList<TChoice> Build(const TTalvexStudioProject &project);
    // The index of the entry for id in choices; when no item has the id, an
    // entry with the file name recorded for it is appended (or 0 for "(keine Datei)").
    static int Select(QList<TChoice> &choices, const TTalvexStudioProject &project, const QUuid &id);
};
