#include "phpcheck/TPHPMessageModel.h"

#include <QApplication>
#include <QStyle>

void TPHPMessageModel::SetMessages(QList<TPHPMessage> messages)
{
    beginResetModel();
    m_messages = std::move(messages);
    endResetModel();
}

const TPHPMessage *TPHPMessageModel::Message(int row) const
{
    return row >= 0 && row < m_messages.size() ? &m_messages.at(row) : nullptr;
}

bool TPHPMessageModel::IsClean() const
{
    return std::none_of(m_messages.cbegin(), m_messages.cend(), [](const TPHPMessage &m) { return m.IsError; });
}

int TPHPMessageModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_messages.size());
}

QVariant TPHPMessageModel::data(const QModelIndex &index, int role) const
{
    const TPHPMessage *message = Message(index.row());
    if (!message || index.column() != 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return message->DisplayText();
    case Qt::ToolTipRole:
        return message->FileName.isEmpty() ? message->Text : message->FileName + u'\n' + message->Text;
    case Qt::DecorationRole:
        if (qobject_cast<QApplication *>(QCoreApplication::instance()))
            return QApplication::style()->standardIcon(message->IsError ? QStyle::SP_MessageBoxCritical
                                                                        : QStyle::SP_DialogApplyButton);
        return {};
    default:
        return {};
    }
}
