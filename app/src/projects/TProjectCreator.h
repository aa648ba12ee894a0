#pragma once

#include "utils/TFreedesktopTrash.h"

#include <QString>

class TVYRACore;
class TVYRAProjectGroupItems;

// What the project assistant's name step holds.
struct TNewProjectRequest {
    QString name;
    // The project's main folder; the file folder and the ".qpg" file go into it.
    QString savePath;
};

// Creates a new project as the assistant describes it: the file folder
// "<path>/<name> - Dateien", the project file "<path>/<name>.qpg", opened as
// a project group that copies added files in and asks first. An existing
// save path is offered for replacement; what is replaced goes to the trash.
// Folders that can never be replaced (home, a root, the projects folder, a
// folder holding other projects) are refused before anything is asked.
// Nothing half-made is ever left behind.
class TProjectCreator
{
public:
    explicit TProjectCreator(TVYRACore &core, QString trashRoot = TFreedesktopTrash::DefaultRoot());

    void SetTrashRoot(const QString &root) { m_trashRoot = root; }

    // Why name cannot name a project (German); empty when it can.
    static QString NameError(const QString &name);
    // The name as it stands in file names: forbidden characters removed,
    // leading dots and surrounding blanks dropped.
    static QString FileNamePart(const QString &name);
    // The projects folder of the core plus the name.
    QString DefaultSavePath(const QString &name) const;
    QString FileFolderOf(const TNewProjectRequest &request) const;
    QString ProjectFileOf(const TNewProjectRequest &request) const;
    // Why the existing folder path may not be emptied (German); empty when it may.
    QString ReplaceRefusal(const QString &path) const;

    // Creates the project; the questions and messages go through the
    // prompter. nullptr when the user declined or something failed (the
    // assistant goes back to the name step); the group otherwise, added to
    // the core's project groups and saved.
    TVYRAProjectGroupItems *Create(const TNewProjectRequest &request);

private:
    bool makeRoom(const QString &savePath);

    TVYRACore &m_core;
    QString m_trashRoot;
};
