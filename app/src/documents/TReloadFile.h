#pragma once

#include "documents/TReloadList.h"
#include "utils/TOperationResult.h"

#include <QString>
#include <functional>

class TDocumentCommands;
class TVYRADocument;
class TVYRADocumentContainer;
class TVYRAProjectGroupItems;

// "reload.xml" in the user data folder: the project groups and documents of
// the previous run. Writing replaces the file through a temporary file;
// reading a damaged file keeps it as a ".damaged" copy and opens nothing,
// so the start goes on.
class TReloadFile
{
public:
    explicit TReloadFile(QString fileName);
    // "<userDataDir>/reload.xml"
    static QString InUserDataDir(const QString &userDataDir);

    QString FileName() const { return m_fileName; }

    // The groups in list order: a group with a file of its own and no unsaved
    // changes by its file name, the others as "|default|"; under each its
    // documents that have a file, the active one marked.
    static QList<TReloadList::TProjectEntry> Collect(const TVYRADocumentContainer &container);
    TOperationResult Write(const TVYRADocumentContainer &container) const;

    struct TApplyResult {
        TOperationResult read;               // failure: the file was damaged (and kept as a copy)
        TVYRADocument *activated = nullptr;  // the document made active, if any
        QString damagedCopy;                 // where a damaged file was kept
    };
    // Opens what the file lists: the default group's files only when it has
    // any, other groups when their file exists (an open group is reused),
    // the existing files of each group as one batch. The last entry marked
    // active whose document is open gets its group selected and is activated.
    // A missing file opens nothing and is no failure.
    TApplyResult Apply(TDocumentCommands &commands, TVYRADocumentContainer &container,
                       const std::function<void(TVYRAProjectGroupItems *group)> &selectGroup) const;

private:
    QString m_fileName;
};
