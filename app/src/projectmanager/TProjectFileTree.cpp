#include "projectmanager/TProjectFileTree.h"

#include "documents/TVYRADocument.h"
#include "projectmanager/TProjectFileRow.h"
#include "projectmanager/TProjectItemLabels.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "projects/TVYRAProjectGroupItems.h"

#include <QApplication>
#include <QDataStream>
#include <QDrag>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMimeData>
#include <QMimeDatabase>
#include <QSet>
#include <QStyle>
#include <QUrl>

const QString TProjectFileTree::ItemsFormat = QStringLiteral("application/x-talvex-project-items");

namespace {

constexpr int ItemRole = Qt::UserRole + 1;

void *itemPointer(const QTreeWidgetItem *row)
{
    return row->data(TProjectFileTree::colName, ItemRole).value<void *>();
}

} // namespace

TProjectFileTree::TProjectFileTree(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(6);
    setHeaderLabels({QStringLiteral("Dateiname"), QStringLiteral("Pfad"), QStringLiteral("Geändert am"),
                     QStringLiteral("Größe"), QStringLiteral("Typ"), QStringLiteral("Kommentar")});
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setUniformRowHeights(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    // Only the comment is edited, and only by a double click on it or F2 there.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->resizeSection(colName, 220);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *row, int column) {
        if (column == colComment)
            editItem(row, colComment);
        else if (TVYRAProjectGroupItem *item = ItemOf(row))
            emit itemActivated(item);
    });
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *row, int column) {
        if (m_filling || column != colComment)
            return;
        if (TVYRAProjectGroupItem *item = ItemOf(row); item && item->Comment() != row->text(colComment))
            emit commentEdited(item, row->text(colComment));
    });
}

void TProjectFileTree::Show(TVYRAProjectGroupItems *group)
{
    QSet<const void *> expanded;
    QSet<const void *> selected;
    const void *current = currentItem() ? itemPointer(currentItem()) : nullptr;
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        if (it.value()->isExpanded())
            expanded.insert(it.key());
        if (it.value()->isSelected())
            selected.insert(it.key());
    }
    const bool sameGroup = group == m_group;
    m_filling = true;
    const QSignalBlocker blocker(selectionModel());
    clear();
    m_rows.clear();
    m_group = group;
    if (group) {
        auto *project = dynamic_cast<TTalvexStudioProject *>(group);
        const TVYRAProjectGroupItem *startPage = project ? project->StartPage() : nullptr;
        const TVYRAProjectGroupItem *root = group->Root();
        QList<QTreeWidgetItem *> rows;
        rows.reserve(root->GetCount());
        for (int i = 0; i < root->GetCount(); ++i)
            rows.append(makeRow(root->GetItems(i), startPage));
        addTopLevelItems(rows);
    }
    if (sameGroup) {
        for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
            if (expanded.contains(it.key()))
                it.value()->setExpanded(true);
            if (selected.contains(it.key()))
                it.value()->setSelected(true);
            if (it.key() == current)
                setCurrentItem(it.value(), colName, QItemSelectionModel::NoUpdate);
        }
    }
    m_filling = false;
}

QTreeWidgetItem *TProjectFileTree::makeRow(TVYRAProjectGroupItem *item, const TVYRAProjectGroupItem *startPage)
{
    const bool folder = item->ItemType() == pitFolder;
    const TVYRADocument *document = folder ? nullptr : item->GetDocument();
    const bool isStartPage = item == startPage;
    const QString path = TProjectItemLabels::DiskPath(*item);
    // One question to the disk per row; the rest of the disk columns wait until the row is seen.
    const bool exists = !path.isEmpty() && QFileInfo::exists(path);
    const bool present = document ? document->GetFileExists() : exists;
    auto *row = new TProjectFileRow(
        QStringList{TProjectItemLabels::Name(*item, document, isStartPage, exists), TProjectItemLabels::Path(*item, path),
                    QString(), QString(), QString(), item->Comment()},
        path, folder);
    row->setData(colName, ItemRole, QVariant::fromValue(static_cast<void *>(item)));
    row->setFlags(row->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    row->setIcon(colName, iconFor(*item, present, isStartPage));
    if (isStartPage) {
        QFont bold = row->font(colName);
        bold.setBold(true);
        row->setFont(colName, bold);
    }
    m_rows.insert(item, row);
    QList<QTreeWidgetItem *> children;
    children.reserve(item->GetCount());
    for (int i = 0; i < item->GetCount(); ++i)
        children.append(makeRow(item->GetItems(i), startPage));
    row->addChildren(children);
    return row;
}

QIcon TProjectFileTree::iconFor(const TVYRAProjectGroupItem &item, bool present, bool startPage)
{
    // The style reads its icons from image files each time it is asked: asked once.
    if (m_standardIcons.isEmpty()) {
        QStyle *style = QApplication::style();
        m_standardIcons = {style->standardIcon(QStyle::SP_DirIcon),
                           QIcon::fromTheme(QStringLiteral("go-home"), style->standardIcon(QStyle::SP_DirHomeIcon)),
                           style->standardIcon(QStyle::SP_MessageBoxWarning), style->standardIcon(QStyle::SP_FileIcon)};
    }
    if (item.ItemType() == pitFolder)
        return m_standardIcons.at(0);
    if (startPage)
        return m_standardIcons.at(1);
    if (!present)
        return m_standardIcons.at(2);
    // By type, once per extension: asking the desktop for every file of a large project is slow.
    const QString suffix = QFileInfo(item.PhysicalFileName()).suffix().toLower();
    auto found = m_iconsBySuffix.constFind(suffix);
    if (found == m_iconsBySuffix.constEnd()) {
        static const QMimeDatabase database;
        const QMimeType type = database.mimeTypeForFile(item.PhysicalFileName(), QMimeDatabase::MatchExtension);
        const QIcon themed = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
        found = m_iconsBySuffix.insert(suffix, themed.isNull() ? m_standardIcons.at(3) : themed);
    }
    return *found;
}

TVYRAProjectGroupItem *TProjectFileTree::ItemOf(const QTreeWidgetItem *row) const
{
    if (!row)
        return nullptr;
    auto *item = static_cast<TVYRAProjectGroupItem *>(itemPointer(row));
    // Compared, never followed, until the row is known to be current.
    return m_rows.value(item) == row ? item : nullptr;
}

QTreeWidgetItem *TProjectFileTree::RowOf(const TVYRAProjectGroupItem *item) const
{
    return m_rows.value(item);
}

QList<TVYRAProjectGroupItem *> TProjectFileTree::SelectedProjectItems() const
{
    QList<TVYRAProjectGroupItem *> items;
    // In tree order, so that moved and removed items keep their order.
    for (QTreeWidgetItemIterator it(const_cast<TProjectFileTree *>(this), QTreeWidgetItemIterator::Selected); *it;
         ++it) {
        if (TVYRAProjectGroupItem *item = ItemOf(*it))
            items.append(item);
    }
    return items;
}

TVYRAProjectGroupItem *TProjectFileTree::FocusedItem() const
{
    return ItemOf(currentItem());
}

QStringList TProjectFileTree::mimeTypes() const
{
    return {ItemsFormat, QStringLiteral("text/uri-list")};
}

QMimeData *TProjectFileTree::mimeData(const QList<QTreeWidgetItem *> &items) const
{
    auto *data = new QMimeData;
    if (!m_group)
        return data;
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << quint64(quintptr(m_group));
    for (const QTreeWidgetItem *row : items) {
        if (const TVYRAProjectGroupItem *item = ItemOf(row))
            stream << qint32(item->GetAbsoluteIndex());
    }
    data->setData(ItemsFormat, bytes);
    return data;
}

QMimeData *TProjectFileTree::DragData() const
{
    QList<QTreeWidgetItem *> rows;
    for (QTreeWidgetItemIterator it(const_cast<TProjectFileTree *>(this), QTreeWidgetItemIterator::Selected); *it;
         ++it)
        rows.append(*it);
    return mimeData(rows);
}

QList<TVYRAProjectGroupItem *> TProjectFileTree::draggedItems(const QMimeData *data) const
{
    QList<TVYRAProjectGroupItem *> items;
    if (!m_group || !data || !data->hasFormat(ItemsFormat))
        return items;
    QDataStream stream(data->data(ItemsFormat));
    quint64 group = 0;
    stream >> group;
    // Rows of another group's manager, or of an older showing, are not ours to move.
    if (group != quint64(quintptr(m_group)))
        return items;
    while (!stream.atEnd()) {
        qint32 index = -1;
        stream >> index;
        if (stream.status() != QDataStream::Ok)
            break;
        if (TVYRAProjectGroupItem *item = m_group->ItemByAbsIndex(index))
            items.append(item);
    }
    return items;
}

QStringList TProjectFileTree::localPaths(const QMimeData *data)
{
    QStringList paths;
    for (const QUrl &url : data ? data->urls() : QList<QUrl>()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

TVYRAProjectGroupItem *TProjectFileTree::DropTarget(const QPoint &pos, TDropPosition &position) const
{
    QTreeWidgetItem *row = itemAt(pos);
    TVYRAProjectGroupItem *item = ItemOf(row);
    if (!item) {
        position = TDropPosition::Viewport;
        return nullptr;
    }
    const QRect rect = visualItemRect(row);
    position = TProjectDropRules::PositionInRow(pos.y(), rect.top(), rect.height());
    return item;
}

bool TProjectFileTree::acceptsDrop(QDropEvent *event) const
{
    if (!m_group)
        return false;
    const QMimeData *data = event->mimeData();
    if (data->hasFormat(ItemsFormat)) {
        TDropPosition position = TDropPosition::Viewport;
        TVYRAProjectGroupItem *target = DropTarget(event->position().toPoint(), position);
        const QList<TVYRAProjectGroupItem *> items = draggedItems(data);
        return !items.isEmpty() && !TProjectDropRules::Plan(*m_group, items, target, position).refused;
    }
    return !localPaths(data).isEmpty();
}

void TProjectFileTree::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_group && (event->mimeData()->hasFormat(ItemsFormat) || !localPaths(event->mimeData()).isEmpty()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TProjectFileTree::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeWidget::dragMoveEvent(event);
    // A drop into a dragged folder or below it shows the forbidden cursor.
    if (acceptsDrop(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TProjectFileTree::dropEvent(QDropEvent *event)
{
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (!acceptsDrop(event)) {
        event->ignore();
        return;
    }
    const QMimeData *data = event->mimeData();
    if (data->hasFormat(ItemsFormat)) {
        TDropPosition position = TDropPosition::Viewport;
        TVYRAProjectGroupItem *target = DropTarget(event->position().toPoint(), position);
        const QList<TVYRAProjectGroupItem *> items = draggedItems(data);
        event->setDropAction(Qt::MoveAction);
        event->accept();
        emit itemsDropped(items, target, position);
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit pathsDropped(localPaths(data), FocusedItem());
}

void TProjectFileTree::startDrag(Qt::DropActions supportedActions)
{
    Q_UNUSED(supportedActions)
    if (SelectedProjectItems().isEmpty())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(DragData());
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}
