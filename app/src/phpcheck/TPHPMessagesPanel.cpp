#include "phpcheck/TPHPMessagesPanel.h"

#include "phpcheck/TPHPMessageModel.h"

#include <QListView>
#include <QVBoxLayout>

TPHPMessagesPanel::TPHPMessagesPanel(TPHPMessageModel &model, QWidget *parent)
    : QWidget(parent)
    , m_list(new QListView(this))
{
    m_list->setObjectName(QStringLiteral("vstPHPMessages"));
    m_list->setModel(&model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    // A double click activates the row too (Enter as well).
    connect(m_list, &QListView::activated, this, [this](const QModelIndex &index) { emit jumpRequested(index.row()); });
}

void TPHPMessagesPanel::FocusFirstRow()
{
    if (m_list->model()->rowCount() == 0)
        return;
    m_list->setCurrentIndex(m_list->model()->index(0, 0));
    m_list->setFocus();
}
