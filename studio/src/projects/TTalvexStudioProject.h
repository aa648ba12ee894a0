#pragma once

#include "orvane_export.h"
#include "projects/TTalvexStudioProjectItem.h"
#include "projects/TVYRAProjectGroupItems.h"

#include <QString>
#include <QUuid>
#include <memory>

class TTalvexStudioToDoList;

// The element name of studio project files, set as the project recogniser
// before the core is created.
inline const QString _TVS_PROJECT = QStringLiteral("talvexstudioproject");

// A studio project: a project group whose nodes carry ids, with a start page
// and a ToDo list stored in the same file. The format version is checked on
// loading: a file that needs a newer reader is refused.
class ORVANE_EXPORT TTalvexStudioProject : public TVYRAProjectGroupItems
{
public:
    // The version this reader writes and understands.
    static constexpr int FormatMajor = 1;
    static constexpr int FormatMinor = 0;

    TTalvexStudioProject(TVYRAProjectGroupList *list, const QString &fileName, bool fileExists);
    ~TTalvexStudioProject() override;

    // The project class for the core.
    static TFactory Factory();

    TTalvexStudioToDoList *ToDoList() const { return m_toDoList.get(); }
    // A file node of this project, or nullptr; cleared when its node goes away.
    TTalvexStudioProjectItem *StartPage() const;
    // Accepts a node of this project or nullptr; marks the project modified on a change.
    bool SetStartPage(TTalvexStudioProjectItem *item);
    QUuid StartPageID() const { return m_startPageID; }
    QString FormatVersion() const { return m_formatVersion; }

    // The first node in tree order (root first) with that id, or nullptr.
    TTalvexStudioProjectItem *ItemByGUID(const QUuid &id) const;
    // That node's physical file name, else empty.
    QString RealFileNameByGUID(const QUuid &id) const;

    void SaveProjectSettings(pugi::xml_node element) const override;
    // Raises EInvalidVYRAFormat when the file needs a newer reader.
    void LoadProjectSettings(const pugi::xml_node &element, const QString &fileName) override;
    void ProjectLoaded(const QString &fileName) override;

    // Whether a "mincompatible" text names a format this reader understands:
    // major and minor are compared as numbers ("10.0" is newer than "1.0").
    static bool IsCompatible(const QString &minCompatible);

protected:
    void ItemDestroying(TVYRAProjectGroupItem *item) override;

private:
    std::unique_ptr<TTalvexStudioToDoList> m_toDoList;
    TTalvexStudioProjectItem *m_startPage = nullptr;
    QUuid m_startPageID;
    QString m_formatVersion = QStringLiteral("1.0");
};
