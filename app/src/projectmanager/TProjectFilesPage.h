#pragma once

#include "projectmanager/TProjectDropRules.h"
#include "projectmanager/TProjectFileCommands.h"

#include <QWidget>
#include <functional>

class QLabel;
class QMenu;
class TProjectFileTree;
class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;

// The file-management page of the project manager: the counter line, the
// link "Optionen" and the file tree, with the commands of its context menu
// and the drops onto the tree. Every change is followed by a new showing of
// the tree and the signal changed().
class TProjectFilesPage : public QWidget
{
    Q_OBJECT
public:
    // isOpen tells whether a group is still open; a closed one is never used.
    TProjectFilesPage(TProjectFileCommands::THost host, std::function<bool(TVYRAProjectGroupItems *)> isOpen,
                      QWidget *parent = nullptr);

    void Show(TVYRAProjectGroupItems *group);
    TProjectFileTree *Tree() const { return m_tree; }
    QLabel *Header() const { return m_header; }
    TProjectFileCommands &Commands() { return m_commands; }

    // The context menu's entries with their enabled states for the current selection.
    void FillMenu(QMenu &menu);

    // The commands of the menu on the tree's selection.
    void ShowSelected();
    void NewFolder();
    void ImportFolder();
    void SortItems();
    void AddFiles();
    void RemoveSelected();
    void ChangeComment();
    void SetStartPage();

signals:
    void changed();
    // "&Anzeigen" opened files: the window takes the focus back.
    void filesShown();

private:
    void moveItems(const QList<TVYRAProjectGroupItem *> &items, TVYRAProjectGroupItem *dropItem,
                   TDropPosition position);
    void afterChange(TVYRAProjectGroupItem *expand = nullptr);
    TVYRAProjectGroupItems *group() const;

    TProjectFileCommands m_commands;
    std::function<bool(TVYRAProjectGroupItems *)> m_isOpen;
    TVYRAProjectGroupItems *m_group = nullptr;
    QLabel *const m_header;
    TProjectFileTree *const m_tree;
};
