#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

class QTreeWidget;
class QTreeWidgetItem;
class TVYRADocument;
class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;
class TVYRAProjectGroupList;

// The main window's project tree: one row per open project group with its
// folders and files nested below, labelled as the project manager labels
// them. It shows what it is given; the feature rebuilds it on the window's
// and the core's project events.
class TProjectTreePanel : public QWidget
{
    Q_OBJECT
public:
    // The open document that shows a node, or nullptr.
    using TDocumentOf = std::function<TVYRADocument *(const TVYRAProjectGroupItem *)>;

    explicit TProjectTreePanel(TDocumentOf documentOf, QWidget *parent = nullptr);

    // Rebuilds every row; expanded rows and the current row stay as they were
    // where their nodes still exist.
    void Rebuild(const TVYRAProjectGroupList *groups);
    // Renews the label of one node's row (its document changed).
    void UpdateItem(const TVYRAProjectGroupItem *item);
    // Drops the rows of a node that is about to be freed, with its subtree.
    void ForgetItem(const TVYRAProjectGroupItem *item);
    // The node of the current row; a group row gives the group's root.
    TVYRAProjectGroupItem *SelectedItem() const;
    TVYRAProjectGroupItems *SelectedGroup() const;
    // Makes the row of a node (or of a group's root) current.
    void Select(const TVYRAProjectGroupItem *item);
    QTreeWidget *Tree() const { return m_tree; }
    QTreeWidgetItem *RowOf(const TVYRAProjectGroupItem *item) const { return m_rows.value(item); }

signals:
    // The current row moved into another (or the same) project group.
    void groupSelected(TVYRAProjectGroupItems *group);
    // A file row was double-clicked or entered.
    void fileActivated(TVYRAProjectGroupItem *item);

private:
    void addChildren(QTreeWidgetItem *row, const TVYRAProjectGroupItem *node);
    void forgetBelow(const TVYRAProjectGroupItem *node);
    void label(QTreeWidgetItem *row, const TVYRAProjectGroupItem *node);
    TVYRAProjectGroupItem *nodeOf(const QTreeWidgetItem *row) const;

    TDocumentOf m_documentOf;
    QTreeWidget *const m_tree;
    QHash<const TVYRAProjectGroupItem *, QTreeWidgetItem *> m_rows;
    const TVYRAProjectGroupList *m_groups = nullptr;
    bool m_rebuilding = false;
};
