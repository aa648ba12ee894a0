#include "generators/TFontDialog.h"
#include "generators/TInsertButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &caption, const char *name)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

TFontDialog::TFontDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Schriftarten auswählen"));
    setObjectName(QStringLiteral("TFontDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *groupRow = new QHBoxLayout;
    m_group = new QComboBox;
    m_group->setObjectName(QStringLiteral("cbGroups"));
    auto *deleteGroup = button(QStringLiteral("Gruppe löschen"), "btnDeleteGroup");
    groupRow->addWidget(m_group, 1);
    groupRow->addWidget(deleteGroup);
    layout->addLayout(groupRow);

    auto *grid = new QGridLayout;
    m_installed = new QListWidget;
    m_installed->setObjectName(QStringLiteral("lbInstalled"));
    m_installed->addItems(QFontDatabase::families());
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("lbChosen"));
    auto *add = button(QStringLiteral("Hinzügen"), "btnAdd");
    auto *up = button(QStringLiteral("Nach oben"), "btnUp");
    auto *down = button(QStringLiteral("Nach unten"), "btnDown");
    auto *remove = button(QStringLiteral("Entfernen"), "btnRemove");
    auto *middle = new QVBoxLayout;
    for (QPushButton *b : {add, up, down, remove})
        middle->addWidget(b);
    middle->addStretch();
    grid->addWidget(m_installed, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addWidget(m_list, 0, 2);
    layout->addLayout(grid);

    auto *manualRow = new QHBoxLayout;
    manualRow->addWidget(new QLabel(QStringLiteral("Schriftartenname manuell angeben:")));
    m_manual = new QLineEdit;
    m_manual->setObjectName(QStringLiteral("edtManual"));
    auto *addManual = button(QStringLiteral("Hinzufügen"), "btnAddManual");
    manualRow->addWidget(m_manual, 1);
    manualRow->addWidget(addManual);
    layout->addLayout(manualRow);

    m_previewCaption = new QLabel;
    m_preview = new QLabel;
    m_preview->setWordWrap(true);
    layout->addWidget(m_previewCaption);
    layout->addWidget(m_preview);
    m_saveGroup = new QCheckBox(QStringLiteral("Ausgewähle Schriftarten nach dem Einfügen als Gruppe speichern."));
    m_saveGroup->setObjectName(QStringLiteral("chkSaveGroup"));
    layout->addWidget(m_saveGroup);
    AddInsertButtons(*this, *layout);

    connect(add, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem *item = m_installed->currentItem())
            AddFont(item->text());
    });
    connect(addManual, &QPushButton::clicked, this, [this] {
        AddFont(m_manual->text());
        m_manual->clear();
    });
    connect(up, &QPushButton::clicked, this, [this] { showChosen(m_chosen.Move(m_list->currentRow(), -1)); });
    connect(down, &QPushButton::clicked, this, [this] { showChosen(m_chosen.Move(m_list->currentRow(), 1)); });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = m_list->currentRow();
        m_chosen.Remove(row);
        showChosen(std::min(row, int(m_chosen.Fonts().size()) - 1));
    });
    connect(m_group, &QComboBox::activated, this, &TFontDialog::groupChosen);
    connect(deleteGroup, &QPushButton::clicked, this, [this] {
        const int index = m_group->currentIndex();
        if (index <= 0)
            return;
        m_groups.removeAt(index - 1);
        SetGroups(m_groups);
    });
    for (QListWidget *list : {m_installed, m_list})
        connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { preview(item->text()); });
    preview(QStringLiteral("Tahoma"));
    SetGroups({});
}

void TFontDialog::preview(const QString &font)
{
    m_previewCaption->setText(QStringLiteral("Beispielausgabe für %1:").arg(font));
    m_preview->setFont(QFont(font, 12));
    m_preview->setText(QStringLiteral("Franz jagt im komplett verwahrlosten Taxi quer durch Bayern.\n"
                                      "0 1 2 3 4 5 6 7 8 9 "));
}

void TFontDialog::SetGroups(const QStringList &groups)
{
    m_groups = groups;
    m_group->clear();
    m_group->addItem(QStringLiteral("(Benutzerdefiniert)"));
    m_group->addItems(m_groups);
}

void TFontDialog::groupChosen(int index)
{
    if (index <= 0 || index > m_groups.size())
        return;
    m_chosen.SetFonts(TFontList::Parse(m_groups.at(index - 1)));
    showChosen(0);
}

void TFontDialog::AddFont(const QString &font)
{
    if (m_chosen.Add(font))
        showChosen(int(m_chosen.Fonts().size()) - 1);
}

void TFontDialog::showChosen(int current)
{
    m_list->clear();
    m_list->addItems(m_chosen.Fonts());
    m_list->setCurrentRow(current);
}

void TFontDialog::accept()
{
    if (m_saveGroup->isChecked() && m_chosen.AddAsGroup(m_groups))
        SetGroups(m_groups);
    QDialog::accept();
}

QString TFontDialog::Execute()
{
    m_saveGroup->setChecked(false);
    if (exec() != QDialog::Accepted)
        return QString();
    return m_chosen.Text();
}
