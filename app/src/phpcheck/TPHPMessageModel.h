#pragma once

#include "phpcheck/TPHPMessage.h"

#include <QAbstractListModel>
#include <QList>

// The rows of "PHP Meldungen" for the list view.
class TPHPMessageModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void SetMessages(QList<TPHPMessage> messages);
    const QList<TPHPMessage> &Messages() const { return m_messages; }
    const TPHPMessage *Message(int row) const;
    // True when no row reports an error.
    bool IsClean() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QList<TPHPMessage> m_messages;
};
