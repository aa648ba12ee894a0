#include "documents/TCloseDialog.h"

#include <QDialogButtonBox>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QIcon iconOf(const TCloseDialogModel::TNode &node)
{
    static QFileIconProvider provider;
    if (node.fileName.isEmpty())
        return provider.icon(QFileIconProvider::File);
    return provider.icon(QFileInfo(node.fileName));
}

} // namespace

TCloseDialog::TCloseDialog(TCloseDialogModel &model, TCloseDialogMode mode, QWidget *parent)
    : QDialog(parent), m_model(model), m_tree(new QTreeWidget(this)), m_warning(new QLabel(this))
{
    setWindowTitle(TCloseDialogModel::Caption(mode));
    auto *layout = new QVBoxLayout(this);
    auto *header = new QLabel(TCloseDialogModel::HeaderText(), this);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    layout->addWidget(header);
    auto *hint = new QLabel(TCloseDialogModel::HintText(), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    m_warning->setText(TCloseDialogModel::NeverStoredWarning());
    m_warning->setWordWrap(true);
    layout->addWidget(m_warning);
    m_tree->setHeaderHidden(true);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tree->setMinimumHeight(160);
    layout->addWidget(m_tree);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *save = buttons->addButton(QStringLiteral("Speichern"), QDialogButtonBox::ActionRole);
    QPushButton *saveAll = buttons->addButton(QStringLiteral("Alle speichern"), QDialogButtonBox::ActionRole);
    QPushButton *leave =
        buttons->addButton(TCloseDialogModel::LeaveButtonText(mode), QDialogButtonBox::DestructiveRole);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    save->setObjectName(QStringLiteral("btnSave"));
    saveAll->setObjectName(QStringLiteral("btnSaveAll"));
    leave->setObjectName(QStringLiteral("btnMode"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(buttons);
    connect(save, &QPushButton::clicked, this, &TCloseDialog::SaveSelected);
    connect(saveAll, &QPushButton::clicked, this, &TCloseDialog::SaveAll);
    connect(leave, &QPushButton::clicked, this, &TCloseDialog::Leave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fillTree();
}

TCloseAnswer TCloseDialog::Ask(TCloseDialogModel &model, TCloseDialogMode mode, QWidget *parent)
{
    if (model.AttentionCount() == 0)
        return TCloseAnswer::caOk;
    TCloseDialog dialog(model, mode, parent);
    dialog.exec();
    return dialog.Answer();
}

void TCloseDialog::fillTree()
{
    m_tree->clear();
    for (const TCloseDialogModel::TNode &node : m_model.Nodes()) {
        auto *top = new QTreeWidgetItem(m_tree, {node.text});
        top->setIcon(0, iconOf(node));
        for (const TCloseDialogModel::TNode &child : node.children) {
            auto *item = new QTreeWidgetItem(top, {child.text});
            item->setIcon(0, iconOf(child));
        }
        top->setExpanded(true);
    }
    m_warning->setVisible(m_model.HasNeverStored());
}

void TCloseDialog::SaveSelected()
{
    QList<TCloseDialogModel::TSelection> selection;
    for (QTreeWidgetItem *item : m_tree->selectedItems()) {
        if (QTreeWidgetItem *parent = item->parent())
            selection.append({m_tree->indexOfTopLevelItem(parent), parent->indexOfChild(item)});
        else
            selection.append({m_tree->indexOfTopLevelItem(item), -1});
    }
    const bool done = m_model.SaveSelected(selection);
    fillTree();
    if (done) {
        m_answer = TCloseAnswer::caOk;
        accept();
    }
}

void TCloseDialog::SaveAll()
{
    const bool done = m_model.SaveAll();
    fillTree();
    if (done) {
        m_answer = TCloseAnswer::caOk;
        accept();
    }
}

void TCloseDialog::Leave()
{
    m_answer = TCloseAnswer::caLeaveWithoutSaving;
    done(QDialog::Accepted);
}
