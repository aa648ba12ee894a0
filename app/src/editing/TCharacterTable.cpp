#include "editing/TCharacterTable.h"

#include <QAction>

TCharacterTable::TCharacterTable(QWidget *parent)
    : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setMovement(QListView::Static);
    setSelectionMode(QAbstractItemView::NoSelection);
    const int cell = fontMetrics().height() * 2;
    setGridSize(QSize(cell, cell));
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (QAction *action = ActionOf(item); action && action->isEnabled())
            action->trigger();
    });
}

void TCharacterTable::AddCharacter(QAction &action, const QString &cellName)
{
    // The caption doubles "&" for menus; the cell shows the character itself.
    auto *item = new QListWidgetItem(action.text().replace(QStringLiteral("&&"), QStringLiteral("&")), this);
    item->setTextAlignment(Qt::AlignCenter);
    item->setToolTip(action.toolTip());
    item->setStatusTip(action.statusTip());
    item->setData(Qt::UserRole, int(m_actions.size()));
    item->setData(Qt::AccessibleTextRole, cellName);
    m_actions.append(&action);
}

QAction *TCharacterTable::ActionOf(const QListWidgetItem *item) const
{
    const int index = item ? item->data(Qt::UserRole).toInt() : -1;
    return index >= 0 && index < m_actions.size() ? m_actions[index] : nullptr;
}
