#include "settings/TSystemIntegrationPage.h"

#include "filetypes/TShellAssociationStore.h"
#include "filetypes/TVYRAExtensionGroup.h"
#include "filetypes/TVYRAExtensions.h"
#include "filetypes/TVYRAFileExtension.h"
#include "framework/TVYRACore.h"
#include "settings/TSystemIntegration.h"
#include "ui/TPrompter.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TSystemIntegrationPage::TSystemIntegrationPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_groups(new QComboBox(this))
    , m_extensions(new QListWidget(this))
    , m_open(new QRadioButton(QStringLiteral("Öffnen mit Doppelklick"), this))
    , m_edit(new QRadioButton(QStringLiteral("Kontextmenü \"Bearbeiten mit Talvex Studio\""), this))
    , m_register(new QPushButton(QStringLiteral("Übernehmen"), this))
{
    ChooseIcon = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Talvex Studio - Symbol für Dateityp auswählen"),
                                            QStringLiteral("/usr/share/icons"),
                                            QStringLiteral("Symbole (*.png *.svg *.xpm *.ico)"));
    };
    auto *modes = new QButtonGroup(this);
    modes->addButton(m_open);
    modes->addButton(m_edit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Systemintegration"), this));
    layout->addWidget(new QLabel(QStringLiteral("Die Zuordnungen werden nur für Ihr Benutzerkonto eingetragen "
                                                "(in Ihren eigenen Desktop-Einstellungen)."),
                                 this));
    layout->addWidget(new QLabel(QStringLiteral("Dateityp:"), this));
    layout->addWidget(m_groups);
    layout->addWidget(new QLabel(QStringLiteral("Dateierweiterung:"), this));
    layout->addWidget(m_extensions, 1);
    layout->addWidget(m_open);
    layout->addWidget(m_edit);
    layout->addWidget(m_register, 0, Qt::AlignLeft);
    connect(m_groups, &QComboBox::currentIndexChanged, this, &TSystemIntegrationPage::showExtensions);
    connect(m_extensions, &QListWidget::currentRowChanged, this, &TSystemIntegrationPage::updateButton);
    connect(m_open, &QRadioButton::toggled, this, &TSystemIntegrationPage::updateButton);
    connect(m_edit, &QRadioButton::toggled, this, &TSystemIntegrationPage::updateButton);
    connect(m_register, &QPushButton::clicked, this, &TSystemIntegrationPage::RegisterCurrent);
}

void TSystemIntegrationPage::Load()
{
    const QSignalBlocker block(m_groups);
    m_groups->clear();
    if (const TVYRAExtensions *extensions = m_core.Extensions())
        for (int i = 0; i < extensions->GetCount(); ++i)
            m_groups->addItem(extensions->GetGroup(i)->Name);
    m_groups->setCurrentIndex(m_groups->count() > 0 ? 0 : -1);
    showExtensions();
}

void TSystemIntegrationPage::Apply()
{
    // Registering is a step of its own ("Übernehmen" on the page).
}

void TSystemIntegrationPage::showExtensions()
{
    m_extensions->clear();
    const TVYRAExtensions *extensions = m_core.Extensions();
    const TVYRAExtensionGroup *group = extensions ? extensions->GetGroup(m_groups->currentIndex()) : nullptr;
    for (int i = 0; group && i < group->GetCount(); ++i)
        m_extensions->addItem(group->GetItem(i)->Identifier);
    updateButton();
}

TVYRAFileExtension *TSystemIntegrationPage::CurrentExtension() const
{
    const TVYRAExtensions *extensions = m_core.Extensions();
    const TVYRAExtensionGroup *group = extensions ? extensions->GetGroup(m_groups->currentIndex()) : nullptr;
    return group ? group->GetItem(m_extensions->currentRow()) : nullptr;
}

void TSystemIntegrationPage::updateButton()
{
    const TVYRAFileExtension *pattern = CurrentExtension();
    // A pattern offers only the verbs its file type allows.
    m_open->setEnabled(pattern && (pattern->RegisterMode == etOpen || pattern->RegisterMode == etBoth));
    m_edit->setEnabled(pattern && (pattern->RegisterMode == etEdit || pattern->RegisterMode == etBoth));
    m_register->setEnabled(pattern && ((m_open->isChecked() && m_open->isEnabled())
                                       || (m_edit->isChecked() && m_edit->isEnabled())));
}

bool TSystemIntegrationPage::RegisterCurrent()
{
    const TVYRAFileExtension *pattern = CurrentExtension();
    if (!pattern || !m_register->isEnabled())
        return false;
    const QString icon = ChooseIcon ? ChooseIcon() : QString();
    const QString refusal =
        TSystemIntegration::Register(*pattern, m_open->isChecked() ? TSystemIntegration::OpenMode
                                                                   : TSystemIntegration::EditMode,
                                     icon, TShellAssociationStore::instance());
    if (!refusal.isEmpty()) {
        TPrompter::instance().error(refusal);
        return false;
    }
    TPrompter::instance().information(QStringLiteral("Die Programmregistrierung wurde aktualisiert."));
    return true;
}
