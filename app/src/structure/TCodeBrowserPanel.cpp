#include "structure/TCodeBrowserPanel.h"

#include <QApplication>
#include <QHeaderView>
#include <QSet>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString pathOf(const QTreeWidgetItem *item)
{
    QString path;
    for (; item; item = item->parent())
        path.prepend(item->text(0) + u'\x1f');
    return path;
}

void collectExpanded(const QTreeWidgetItem *item, QSet<QString> &expanded)
{
    if (item->isExpanded())
        expanded.insert(pathOf(item));
    for (int i = 0; i < item->childCount(); ++i)
        collectExpanded(item->child(i), expanded);
}

} // namespace

TCodeBrowserPanel::TCodeBrowserPanel(QWidget *parent) : QWidget(parent), m_tree(new QTreeWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    m_tree->setObjectName(QStringLiteral("tvCodeBrowser"));
    m_tree->setHeaderHidden(true);
    m_tree->setExpandsOnDoubleClick(false);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        const int offset = item->data(0, OffsetRole).toInt();
        if (offset >= 0)
            emit jumpRequested(offset);
        else
            item->setExpanded(!item->isExpanded());
    });
}

void TCodeBrowserPanel::ShowNodes(const QList<TCodeBrowserNode> &roots)
{
    QSet<QString> expanded;
    const bool first = m_tree->topLevelItemCount() <= 1;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        collectExpanded(m_tree->topLevelItem(i), expanded);
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    addNodes(nullptr, roots, QString(), first ? QSet<QString>() : expanded);
    if (first || expanded.isEmpty())
        for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
            m_tree->topLevelItem(i)->setExpanded(true);
    m_tree->setUpdatesEnabled(true);
}

void TCodeBrowserPanel::ShowMessage(const QString &text)
{
    m_tree->clear();
    auto *item = new QTreeWidgetItem(m_tree, {text});
    item->setData(0, OffsetRole, -1);
}

int TCodeBrowserPanel::CurrentOffset() const
{
    const QTreeWidgetItem *item = m_tree->currentItem();
    return item ? item->data(0, OffsetRole).toInt() : -1;
}

void TCodeBrowserPanel::addNodes(QTreeWidgetItem *parent, const QList<TCodeBrowserNode> &nodes, const QString &path,
                                 const QSet<QString> &expanded)
{
    static const QIcon classIcon = QApplication::style()->standardIcon(QStyle::SP_FileDialogContentsView);
    for (const TCodeBrowserNode &node : nodes) {
        auto *item = parent ? new QTreeWidgetItem(parent, {node.Text}) : new QTreeWidgetItem(m_tree, {node.Text});
        item->setData(0, OffsetRole, node.Offset);
        if (node.ImageIndex == TCodeBrowserNode::ClassImage)
            item->setIcon(0, classIcon);
        const QString own = path + node.Text + u'\x1f';
        addNodes(item, node.Children, own, expanded);
        if (expanded.contains(own))
            item->setExpanded(true);
    }
}
