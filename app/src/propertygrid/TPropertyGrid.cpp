#include "propertygrid/TPropertyGrid.h"

#include "propertygrid/TPropertyGridDelegate.h"

#include <QHeaderView>

TPropertyGrid::TPropertyGrid(QWidget *parent) : QTreeWidget(parent), m_delegate(new TPropertyGridDelegate(this))
{
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("Eigenschaft"), QStringLiteral("Wert")});
    setRootIsDecorated(false);
    setAlternatingRowColors(true);
    setItemDelegateForColumn(1, m_delegate);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemChanged, this, &TPropertyGrid::rowChanged);
    connect(m_delegate, &TPropertyGridDelegate::editingStarted, this, [this](const QModelIndex &index) {
        emit editingStarted(index.siblingAtColumn(0).data().toString());
    });
}

void TPropertyGrid::SetItems(const QList<TPropertyGridItem> &items)
{
    m_filling = true;
    clear();
    m_items = items;
    for (const TPropertyGridItem &item : items) {
        auto *row = new QTreeWidgetItem(this, {item.Name, item.Value});
        row->setFlags(row->flags() | Qt::ItemIsEditable);
        row->setData(1, KindRole, int(item.Kind));
        row->setData(1, ChoicesRole, item.Choices);
        row->setData(1, TrueTextRole, item.TrueText);
        row->setToolTip(0, item.Hint);
    }
    m_filling = false;
}

QTreeWidgetItem *TPropertyGrid::Row(const QString &name) const
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->text(0) == name)
            return topLevelItem(i);
    return nullptr;
}

bool TPropertyGrid::EditValue(const QString &name)
{
    QTreeWidgetItem *row = Row(name);
    if (!row)
        return false;
    setCurrentItem(row, 1);
    editItem(row, 1);
    return true;
}

void TPropertyGrid::rowChanged(QTreeWidgetItem *row, int column)
{
    if (m_filling || column != 1)
        return;
    const int index = indexOfTopLevelItem(row);
    if (index < 0 || index >= m_items.size())
        return;
    TPropertyGridItem &item = m_items[index];
    const QString value = row->text(1);
    if (value == item.Value)
        return;
    item.Value = value;
    if (item.Kind == TPropertyKind::pkBoolean)
        emit valueCommitted(item.Name, value.isEmpty() ? QStringLiteral("False") : QStringLiteral("True"));
    else
        emit valueCommitted(item.Name, value);
}
