#pragma once

#include "projectmanager/TProjectDropRules.h"
// Complete types for the signals' meta types.
#include "projects/TVYRAProjectGroupItem.h"

#include <QHash>
#include <QIcon>
#include <QTreeWidget>

class TVYRAProjectGroupItems;

// The file tree of the project manager: one row per project item, nested
// like the items, with the columns "Dateiname", "Pfad", "Geändert am",
// "Größe", "Typ" and "Kommentar" (only the comment is edited in place).
// Rows can be dragged onto other rows; files and folders can be dropped on
// it from a file manager. It changes nothing itself: drops and edits are
// reported to the window that owns the commands.
class TProjectFileTree : public QTreeWidget
{
    Q_OBJECT
public:
    // The drag format of rows of this tree: the group and the items' places.
    static const QString ItemsFormat;
    enum TColumn { colName, colPath, colChanged, colSize, colType, colComment };

    explicit TProjectFileTree(QWidget *parent = nullptr);

    // Rebuilds the rows from the group's root (nothing for nullptr), keeping
    // what was expanded, selected and focused.
    void Show(TVYRAProjectGroupItems *group);
    TVYRAProjectGroupItems *Group() const { return m_group; }

    TVYRAProjectGroupItem *ItemOf(const QTreeWidgetItem *row) const;
    QTreeWidgetItem *RowOf(const TVYRAProjectGroupItem *item) const;
    QList<TVYRAProjectGroupItem *> SelectedProjectItems() const;
    TVYRAProjectGroupItem *FocusedItem() const;
    // The drag data for the selected rows, as a drag of them carries it.
    QMimeData *DragData() const;
    // Where a drop at pos (viewport coordinates) lands: the row's item (nullptr on empty space) and the position.
    TVYRAProjectGroupItem *DropTarget(const QPoint &pos, TDropPosition &position) const;

signals:
    // Rows of this tree dropped at dropItem.
    void itemsDropped(const QList<TVYRAProjectGroupItem *> &items, TVYRAProjectGroupItem *dropItem,
                      TDropPosition position);
    // Files or folders from outside dropped; focused is the focused item (nullptr: the root).
    void pathsDropped(const QStringList &paths, TVYRAProjectGroupItem *focused);
    void commentEdited(TVYRAProjectGroupItem *item, const QString &comment);
    // A row was double-clicked outside the comment column.
    void itemActivated(TVYRAProjectGroupItem *item);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // The tree rebuilds itself after a move: the view must not remove the dragged rows afterwards.
    void startDrag(Qt::DropActions supportedActions) override;

private:
    QTreeWidgetItem *makeRow(TVYRAProjectGroupItem *item, const TVYRAProjectGroupItem *startPage);
    QIcon iconFor(const TVYRAProjectGroupItem &item, bool present, bool startPage);
    QList<TVYRAProjectGroupItem *> draggedItems(const QMimeData *data) const;
    bool acceptsDrop(QDropEvent *event) const;
    static QStringList localPaths(const QMimeData *data);

    TVYRAProjectGroupItems *m_group = nullptr;
    QHash<const TVYRAProjectGroupItem *, QTreeWidgetItem *> m_rows;
    QHash<QString, QIcon> m_iconsBySuffix;
    // Folder, start page, warning, plain file.
    QList<QIcon> m_standardIcons;
    bool m_filling = false;
};
