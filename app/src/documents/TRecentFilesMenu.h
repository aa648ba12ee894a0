#pragma once

#include <QObject>

class IDocumentOperations;
class QMenu;
class TVYRAMRUList;

// Fills a menu with the recent-file list ("&1  name" ..., a separator before
// the fourth entry, the file's associated icon); choosing an entry opens the
// file through the document operations.
class TRecentFilesMenu : public QObject
{
    Q_OBJECT
public:
    TRecentFilesMenu(TVYRAMRUList &list, IDocumentOperations &operations, QObject *parent = nullptr);

    static QString Hint();
    // Empties menu and adds the entries of the list as it is now.
    void Fill(QMenu *menu);

private:
    TVYRAMRUList &m_list;
    IDocumentOperations &m_operations;
};
