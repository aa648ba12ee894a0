#include "projects/TProjectTreePanel.h"

#include "projects/TProjectTreeLabels.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"

#include <QApplication>
#include <QHeaderView>
#include <QSet>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int NodeRole = Qt::UserRole;
constexpr int GroupRole = Qt::UserRole + 1;

} // namespace

TProjectTreePanel::TProjectTreePanel(TDocumentOf documentOf, QWidget *parent)
    : QWidget(parent)
    , m_documentOf(std::move(documentOf))
    , m_tree(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("ProjectTreePanel"));
    m_tree->setObjectName(QStringLiteral("ProjectTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setUniformRowHeights(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (m_rebuilding || !current)
            return;
        if (TVYRAProjectGroupItem *node = nodeOf(current))
            emit groupSelected(node->Owner());
    });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *row) {
        TVYRAProjectGroupItem *node = nodeOf(row);
        if (node && node->ItemType() == pitFile)
            emit fileActivated(node);
    });
}

TVYRAProjectGroupItem *TProjectTreePanel::nodeOf(const QTreeWidgetItem *row) const
{
    if (!row)
        return nullptr;
    // A group closed since the last build has taken its nodes along.
    const auto *group = reinterpret_cast<const TVYRAProjectGroupItems *>(row->data(0, GroupRole).value<quintptr>());
    if (!m_groups || m_groups->IndexOf(group) < 0)
        return nullptr;
    auto *node = reinterpret_cast<TVYRAProjectGroupItem *>(row->data(0, NodeRole).value<quintptr>());
    // Only nodes the tree was last built from count: a node freed since has no row.
    return node && m_rows.value(node) == row ? node : nullptr;
}

void TProjectTreePanel::label(QTreeWidgetItem *row, const TVYRAProjectGroupItem *node)
{
    static const QIcon folderIcon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    static const QIcon fileIcon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    static const QIcon warningIcon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    if (!node->Parent()) {
        row->setText(0, TProjectTreeLabels::GroupLabel(*node->Owner()));
        row->setIcon(0, folderIcon);
        return;
    }
    const TVYRADocument *document = m_documentOf ? m_documentOf(node) : nullptr;
    row->setText(0, TProjectTreeLabels::ItemLabel(*node, document));
    if (node->ItemType() != pitFile) {
        row->setIcon(0, folderIcon);
        return;
    }
    row->setIcon(0, TProjectTreeLabels::IsMissing(*node, document) ? warningIcon : fileIcon);
    // Only the start page differs from the tree's font; most rows keep theirs untouched.
    const bool startPage = TProjectTreeLabels::IsStartPage(*node);
    if (startPage || row->font(0).bold()) {
        QFont font = row->font(0);
        font.setBold(startPage);
        row->setFont(0, font);
    }
}

void TProjectTreePanel::addChildren(QTreeWidgetItem *row, const TVYRAProjectGroupItem *node)
{
    QList<QTreeWidgetItem *> children;
    children.reserve(node->GetCount());
    for (int i = 0; i < node->GetCount(); ++i) {
        const TVYRAProjectGroupItem *child = node->GetItems(i);
        auto *childRow = new QTreeWidgetItem;
        childRow->setData(0, NodeRole, QVariant::fromValue(quintptr(child)));
        childRow->setData(0, GroupRole, row->data(0, GroupRole));
        m_rows.insert(child, childRow);
        label(childRow, child);
        addChildren(childRow, child);
        children.append(childRow);
    }
    row->addChildren(children);
}

void TProjectTreePanel::Rebuild(const TVYRAProjectGroupList *groups)
{
    m_rebuilding = true;
    QSet<const TVYRAProjectGroupItem *> expanded;
    QSet<const TVYRAProjectGroupItem *> known;
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        known.insert(it.key());
        if (it.value()->isExpanded())
            expanded.insert(it.key());
    }
    const TVYRAProjectGroupItem *current = nodeOf(m_tree->currentItem());

    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    m_rows.clear();
    m_groups = groups;
    QList<QTreeWidgetItem *> top;
    for (int g = 0; groups && g < groups->Count(); ++g) {
        const TVYRAProjectGroupItem *root = groups->Items(g)->Root();
        auto *row = new QTreeWidgetItem;
        row->setData(0, NodeRole, QVariant::fromValue(quintptr(root)));
        row->setData(0, GroupRole, QVariant::fromValue(quintptr(groups->Items(g))));
        m_rows.insert(root, row);
        label(row, root);
        addChildren(row, root);
        top.append(row);
    }
    m_tree->addTopLevelItems(top);
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        // A group seen for the first time opens its top level.
        if (expanded.contains(it.key()) || (!it.key()->Parent() && !known.contains(it.key())))
            it.value()->setExpanded(true);
    }
    if (QTreeWidgetItem *row = m_rows.value(current))
        m_tree->setCurrentItem(row);
    m_tree->setUpdatesEnabled(true);
    m_rebuilding = false;
}

void TProjectTreePanel::UpdateItem(const TVYRAProjectGroupItem *item)
{
    if (QTreeWidgetItem *row = m_rows.value(item))
        label(row, item);
}

void TProjectTreePanel::forgetBelow(const TVYRAProjectGroupItem *node)
{
    m_rows.remove(node);
    for (int i = 0; i < node->GetCount(); ++i)
        forgetBelow(node->GetItems(i));
}

void TProjectTreePanel::ForgetItem(const TVYRAProjectGroupItem *item)
{
    QTreeWidgetItem *row = m_rows.value(item);
    if (!row)
        return;
    forgetBelow(item);
    delete row;
}

TVYRAProjectGroupItem *TProjectTreePanel::SelectedItem() const
{
    return nodeOf(m_tree->currentItem());
}

TVYRAProjectGroupItems *TProjectTreePanel::SelectedGroup() const
{
    const TVYRAProjectGroupItem *node = SelectedItem();
    return node ? node->Owner() : nullptr;
}

void TProjectTreePanel::Select(const TVYRAProjectGroupItem *item)
{
    if (QTreeWidgetItem *row = m_rows.value(item)) {
        m_tree->setCurrentItem(row);
        m_tree->scrollToItem(row);
    }
}
