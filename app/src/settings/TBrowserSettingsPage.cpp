#include "settings/TBrowserSettingsPage.h"

#include "settings/TTalvexStudioBrowserSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "ui/TPrompter.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TBrowserSettingsPage::TBrowserSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_list(new QListWidget(this))
    , m_name(new QLineEdit(this))
    , m_path(new QLineEdit(this))
    , m_parameters(new QLineEdit(this))
{
    ChooseProgram = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Browser angeben"), QStringLiteral("/usr/bin"),
                                            QStringLiteral("Ausführbare Dateien (*)"));
    };
    auto *addButton = new QPushButton(QStringLiteral("Hinzufügen..."), this);
    auto *take = new QPushButton(QStringLiteral("Übernehmen"), this);
    auto *removeButton = new QPushButton(QStringLiteral("Entfernen"), this);
    auto *search = new QPushButton(QStringLiteral("Nach Browsern suchen"), this);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Anzeigename:"), m_name);
    form->addRow(QStringLiteral("Ausführbare Datei des Browsers"), m_path);
    form->addRow(QStringLiteral("Startparameter:"), m_parameters);
    form->addRow(QString(), new QLabel(QStringLiteral("%filename% steht für die angezeigte Datei."), this));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {addButton, take, removeButton, search})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Browser"), this));
    layout->addWidget(m_list);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(m_list, &QListWidget::currentRowChanged, this, &TBrowserSettingsPage::showSelected);
    connect(addButton, &QPushButton::clicked, this, &TBrowserSettingsPage::add);
    connect(take, &QPushButton::clicked, this, &TBrowserSettingsPage::TakeFields);
    connect(removeButton, &QPushButton::clicked, this, &TBrowserSettingsPage::remove);
    connect(search, &QPushButton::clicked, this, [this] { Search(); });
}

void TBrowserSettingsPage::Load()
{
    m_browsers.clear();
    const TTalvexStudioBrowserSettings &browsers = *m_settings.Browsers();
    for (int i = 0; i < browsers.Count(); ++i)
        m_browsers.append({browsers.Items(i)->BrowserName, browsers.Items(i)->Path, browsers.Items(i)->ParamString});
    showList();
}

void TBrowserSettingsPage::Apply()
{
    writeToSettings();
}

void TBrowserSettingsPage::writeToSettings()
{
    TTalvexStudioBrowserSettings &browsers = *m_settings.Browsers();
    browsers.Clear();
    for (const TFoundBrowser &browser : std::as_const(m_browsers)) {
        TTalvexStudioBrowser *item = browsers.Add();
        item->BrowserName = browser.name;
        item->Path = browser.path;
        item->ParamString = browser.parameters;
    }
}

void TBrowserSettingsPage::showList()
{
    const int row = m_list->currentRow();
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const TFoundBrowser &browser : std::as_const(m_browsers))
        m_list->addItem(browser.name);
    m_list->setCurrentRow(qMin(row, int(m_list->count()) - 1));
    showSelected();
}

void TBrowserSettingsPage::showSelected()
{
    const int row = m_list->currentRow();
    const TFoundBrowser shown = row >= 0 && row < m_browsers.size() ? m_browsers.at(row) : TFoundBrowser();
    m_name->setText(shown.name);
    m_path->setText(shown.path);
    m_parameters->setText(shown.parameters);
}

void TBrowserSettingsPage::add()
{
    const QString program = ChooseProgram ? ChooseProgram() : QString();
    if (program.isEmpty())
        return;
    // A new entry: the fields are taken with "Übernehmen".
    m_list->setCurrentRow(-1);
    m_name->setText(QFileInfo(program).baseName());
    m_path->setText(program);
    m_parameters->setText(QStringLiteral("\"%filename%\""));
}

bool TBrowserSettingsPage::TakeFields()
{
    if (!TBrowserFinder::IsProgram(m_path->text())) {
        TPrompter::instance().error(
            QStringLiteral("Die angegebene Datei \"%1\" ist nicht gültig. Vergewissern Sie sich, dass die angegebene "
                           "Datei wirklich existiert und es sich dabei um eine ausführbare Datei handelt.")
                .arg(m_path->text()));
        return false;
    }
    const TFoundBrowser browser{m_name->text().trimmed().isEmpty() ? QFileInfo(m_path->text()).baseName()
                                                                    : m_name->text(),
                                m_path->text(), m_parameters->text()};
    const int row = m_list->currentRow();
    if (row >= 0 && row < m_browsers.size()) {
        m_browsers[row] = browser;
    } else {
        m_browsers.append(browser);
        m_list->addItem(browser.name);
        m_list->setCurrentRow(int(m_browsers.size()) - 1);
    }
    showList();
    emit changed();
    return true;
}

void TBrowserSettingsPage::remove()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_browsers.size())
        return;
    m_browsers.removeAt(row);
    showList();
    emit changed();
}

QString TBrowserSettingsPage::Search(const QStringList &folders)
{
    // The list as edited so far is what the finds are compared with.
    writeToSettings();
    int added = 0;
    const QString report = TBrowserFinder::Report(TBrowserFinder::Store(TBrowserFinder::Find(folders),
                                                                        *m_settings.Browsers(), &added));
    if (added > 0 && !m_settings.Save())
        TPrompter::instance().error(QStringLiteral("Die Browser konnten nicht in der Datei \"%1\" gespeichert "
                                                   "werden.\n%2")
                                        .arg(m_settings.fileName(), m_settings.LastSaveError()));
    Load();
    TPrompter::instance().information(report, QStringLiteral("Browser-Suche"));
    return report;
}
