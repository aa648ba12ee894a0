#include "dialogs/TPluginForm.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

TPluginForm::TPluginForm(TPluginListModel &model, QWidget *parent)
    : QDialog(parent), m_model(model), m_list(new QTreeWidget(this)), m_details(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Talvex Studio - Zusatzmodule (Plugins)"));
    resize(520, 420);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Zusatzmodul-Verzeichnis: %1")
                                     .arg(QDir::toNativeSeparators(model.Folder())), this));
    m_list->setObjectName(QStringLiteral("lvPlugins"));
    m_list->setHeaderLabels({QStringLiteral("Datei")});
    m_list->setRootIsDecorated(false);
    layout->addWidget(m_list, 1);
    m_details->setObjectName(QStringLiteral("lblDetails"));
    m_details->setWordWrap(true);
    layout->addWidget(m_details);
    auto *row = new QHBoxLayout;
    auto *activate = new QPushButton(QStringLiteral("Zusatzmodul akivieren"), this);
    auto *add = new QPushButton(QStringLiteral("Zusatzmodul hinzufügen"), this);
    row->addWidget(activate);
    row->addWidget(add);
    row->addStretch();
    layout->addLayout(row);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(activate, &QPushButton::clicked, this, &TPluginForm::ActivateSelected);
    connect(add, &QPushButton::clicked, this, &TPluginForm::AddPlugin);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TPluginForm::showDetails);
    fill();
}

void TPluginForm::fill()
{
    m_list->clear();
    for (int i = 0; i < m_model.Count(); ++i) {
        auto *item = new QTreeWidgetItem(m_list, {m_model.FileName(i)});
        const TPluginListModel::TState state = m_model.State(i);
        item->setIcon(0, style()->standardIcon(state == TPluginListModel::psLoadError ? QStyle::SP_MessageBoxCritical
                                               : state == TPluginListModel::psActive  ? QStyle::SP_DialogApplyButton
                                                                                      : QStyle::SP_DialogNoButton));
    }
    showDetails();
}

void TPluginForm::showDetails()
{
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    if (row < 0) {
        m_details->clear();
        return;
    }
    const TPluginListModel::TDetails details = m_model.Details(row);
    m_details->setText(QStringLiteral("Name: %1\nAutor: %2\nKommentar: %3")
                           .arg(details.name, details.author, details.comment));
}

void TPluginForm::ActivateSelected()
{
    if (QTreeWidgetItem *item = m_list->currentItem()) {
        m_model.Activate(m_list->indexOfTopLevelItem(item));
        fill();
    }
}

void TPluginForm::AddPlugin()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Plugin auswählen..."), m_model.Folder(),
                                                      QStringLiteral("Plugin Dateien (*.so)"));
    if (file.isEmpty())
        return;
    m_model.Add(file);
    fill();
}
