#include "dialogs/TShortCutManager.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum TColumn { colCaption, colShortcut, colCategory };
constexpr int RowRole = Qt::UserRole + 1;

} // namespace

TShortCutManager::TShortCutManager(TShortcutManagerModel &model, QWidget *parent)
    : QDialog(parent), m_model(model), m_list(new QTreeWidget(this)), m_hint(new QLabel(this)),
      m_hotKey(new QKeySequenceEdit(this))
{
    setWindowTitle(TShortcutManagerModel::Caption());
    resize(640, 520);
    auto *layout = new QVBoxLayout(this);
    m_list->setObjectName(QStringLiteral("lvActions"));
    m_list->setHeaderLabels({QStringLiteral("Aktion"), QStringLiteral("Tastenkürzel"), QStringLiteral("Kategorie")});
    m_list->setRootIsDecorated(false);
    m_list->setSortingEnabled(true);
    m_list->header()->setSectionResizeMode(colCaption, QHeaderView::Stretch);
    layout->addWidget(m_list, 1);

    m_hint->setObjectName(QStringLiteral("lblHint"));
    m_hint->setWordWrap(true);
    layout->addWidget(m_hint);

    auto *keyRow = new QHBoxLayout;
    keyRow->addWidget(new QLabel(QStringLiteral("Tastenkürzel:"), this));
    m_hotKey->setObjectName(QStringLiteral("hkShortcut"));
    keyRow->addWidget(m_hotKey, 1);
    m_apply = new QPushButton(QStringLiteral("Änderung übernehmen"), this);
    m_apply->setObjectName(QStringLiteral("btnApplyChange"));
    m_remove = new QPushButton(QStringLiteral("Tastenkürzel entfernen"), this);
    m_remove->setObjectName(QStringLiteral("btnRemoveShortcut"));
    keyRow->addWidget(m_apply);
    keyRow->addWidget(m_remove);
    layout->addLayout(keyRow);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QPushButton *defaults =
        buttons->addButton(QStringLiteral("Standards wiederherstellen"), QDialogButtonBox::ResetRole);
    defaults->setObjectName(QStringLiteral("btnRestoreDefaults"));
    layout->addWidget(buttons);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TShortCutManager::selectionChanged);
    connect(m_apply, &QPushButton::clicked, this, &TShortCutManager::ApplyChange);
    connect(m_remove, &QPushButton::clicked, this, &TShortCutManager::RemoveShortcut);
    connect(defaults, &QPushButton::clicked, this, &TShortCutManager::RestoreDefaults);
    connect(buttons, &QDialogButtonBox::accepted, this, &TShortCutManager::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TShortCutManager::reject);
    fillList();
    selectionChanged();
}

bool TShortCutManager::Execute(TActionRegistry &registry, TVYRASettings &settings, QWidget *parent)
{
    TShortcutManagerModel model(registry, settings);
    TShortCutManager dialog(model, parent);
    return dialog.exec() == QDialog::Accepted;
}

void TShortCutManager::fillList()
{
    m_list->setSortingEnabled(false);
    m_list->clear();
    for (int i = 0; i < m_model.Count(); ++i) {
        const TShortcutManagerModel::TRow &row = m_model.Row(i);
        auto *item = new QTreeWidgetItem(m_list);
        item->setData(colCaption, RowRole, i);
        item->setIcon(colCaption, row.icon);
        item->setText(colCaption, row.caption);
        item->setText(colCategory, row.category);
        item->setText(colShortcut, row.shown.toString(QKeySequence::NativeText));
    }
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(colCategory, Qt::AscendingOrder);
}

int TShortCutManager::selectedRow() const
{
    const QList<QTreeWidgetItem *> items = m_list->selectedItems();
    return items.isEmpty() ? -1 : items.first()->data(colCaption, RowRole).toInt();
}

QTreeWidgetItem *TShortCutManager::itemOf(int row) const
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->data(colCaption, RowRole).toInt() == row)
            return m_list->topLevelItem(i);
    return nullptr;
}

bool TShortCutManager::Select(const QString &name)
{
    QTreeWidgetItem *item = itemOf(m_model.IndexOf(name));
    if (!item)
        return false;
    m_list->setCurrentItem(item);
    return true;
}

void TShortCutManager::selectionChanged()
{
    const int row = selectedRow();
    m_apply->setEnabled(row >= 0);
    m_remove->setEnabled(row >= 0);
    if (row < 0) {
        m_hint->setText(TShortcutManagerModel::NoSelectionHint());
        m_hotKey->clear();
        return;
    }
    m_hint->setText(TShortcutManagerModel::LongHint(m_model.Row(row).hint));
    m_hotKey->setKeySequence(m_model.Row(row).shown);
}

void TShortCutManager::showRow(int row)
{
    if (QTreeWidgetItem *item = itemOf(row))
        item->setText(colShortcut, m_model.Row(row).shown.toString(QKeySequence::NativeText));
}

void TShortCutManager::ApplyChange()
{
    const int row = selectedRow();
    if (row >= 0 && m_model.Assign(row, m_hotKey->keySequence()))
        showRow(row);
    else if (row >= 0)
        m_hotKey->setKeySequence(m_model.Row(row).shown);
}

void TShortCutManager::RemoveShortcut()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_model.Remove(row);
    showRow(row);
    m_hotKey->clear();
}

void TShortCutManager::RestoreDefaults()
{
    if (m_model.RestoreDefaults())
        reject();
}

void TShortCutManager::accept()
{
    // A failed save was reported; the running commands have the new keys all the same.
    m_model.Commit();
    QDialog::accept();
}

void TShortCutManager::reject()
{
    m_model.Revert();
    QDialog::reject();
}
