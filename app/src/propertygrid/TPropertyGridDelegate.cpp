#include "propertygrid/TPropertyGridDelegate.h"

#include "propertygrid/TColorEdit.h"
#include "propertygrid/TPropertyGrid.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

TPropertyKind kindOf(const QModelIndex &index)
{
    return TPropertyKind(index.data(TPropertyGrid::KindRole).toInt());
}

} // namespace

QWidget *TPropertyGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                             const QModelIndex &index) const
{
    emit editingStarted(index);
    switch (kindOf(index)) {
    case TPropertyKind::pkList: {
        auto *box = new QComboBox(parent);
        box->setEditable(true);
        box->addItem(QString());
        box->addItems(index.data(TPropertyGrid::ChoicesRole).toStringList());
        return box;
    }
    case TPropertyKind::pkBoolean: {
        auto *box = new QComboBox(parent);
        box->addItem(QString());
        box->addItem(index.data(TPropertyGrid::TrueTextRole).toString());
        // A choice is the whole edit.
        connect(box, &QComboBox::activated, this, [this, box] {
            emit const_cast<TPropertyGridDelegate *>(this)->commitData(box);
        });
        return box;
    }
    case TPropertyKind::pkColor: {
        auto *edit = new TColorEdit(parent);
        connect(edit, &TColorEdit::colorChosen, this, [this, edit] {
            emit const_cast<TPropertyGridDelegate *>(this)->commitData(edit);
        });
        return edit;
    }
    case TPropertyKind::pkText:
        break;
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void TPropertyGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString value = index.data(Qt::EditRole).toString();
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        const int found = box->findText(value);
        if (found >= 0)
            box->setCurrentIndex(found);
        else if (box->isEditable())
            box->setEditText(value);
    } else if (auto *color = qobject_cast<TColorEdit *>(editor)) {
        color->SetText(value);
    } else {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

void TPropertyGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor))
        model->setData(index, box->currentText(), Qt::EditRole);
    else if (auto *color = qobject_cast<TColorEdit *>(editor))
        model->setData(index, color->Text(), Qt::EditRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}
