#pragma once

#include <QStyledItemDelegate>

// Creates the editor of a grid row by the row's kind: a line for text, an
// editable drop-down for lists, a yes/no drop-down for Booleans and a line
// with a colour button for colours.
class TPropertyGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

signals:
    void editingStarted(const QModelIndex &index) const;
};
