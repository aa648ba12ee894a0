#include "settings/TBehaviorSettingsPage.h"

#include "settings/TTalvexStudioSettings.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

TBehaviorSettingsPage::TBehaviorSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_addToActive(new QRadioButton(QStringLiteral("Neue Dokumente der aktuell ausgewählten Projektgruppe hinzufügen.")))
    , m_addToDefault(new QRadioButton(QStringLiteral("Neue Dokumente der Standardgruppe hinzufügen.")))
    , m_removeIfDefault(new QRadioButton(
          QStringLiteral("Datei nur entfernen, wenn die Projektgruppe die Standardprojektgruppe ist.")))
    , m_removeAlways(new QRadioButton(QStringLiteral("Datei immer aus Projektgruppe entfernen")))
    , m_neverRemove(new QRadioButton(QStringLiteral("Dateien nur ausblenden, nicht aus Projektgruppe entfernen.")))
{
    auto *open = new QGroupBox(QStringLiteral("Erstellen und Öffnen von Dokumenten"), this);
    auto *openLayout = new QVBoxLayout(open);
    openLayout->addWidget(m_addToActive);
    openLayout->addWidget(m_addToDefault);
    auto *close = new QGroupBox(QStringLiteral("Schließen von Projektdateien"), this);
    auto *closeLayout = new QVBoxLayout(close);
    closeLayout->addWidget(m_removeIfDefault);
    closeLayout->addWidget(m_removeAlways);
    closeLayout->addWidget(m_neverRemove);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Verhalten"), this));
    layout->addWidget(open);
    layout->addWidget(close);
    layout->addStretch();
    for (QWidget *control : std::initializer_list<QWidget *>{m_addToActive, m_addToDefault, m_removeIfDefault,
                                                             m_removeAlways, m_neverRemove})
        watch(control);
}

void TBehaviorSettingsPage::Load()
{
    const TVYRABehaviorSettings &behavior = *m_settings.Behavior();
    (behavior.FileOpenOptions == fooAddToActive ? m_addToActive : m_addToDefault)->setChecked(true);
    switch (behavior.FileCloseOptions) {
    case fcoRemoveAlways:
        m_removeAlways->setChecked(true);
        break;
    case fcoNeverRemove:
        m_neverRemove->setChecked(true);
        break;
    default:
        m_removeIfDefault->setChecked(true);
        break;
    }
}

void TBehaviorSettingsPage::Apply()
{
    TVYRABehaviorSettings &behavior = *m_settings.Behavior();
    behavior.FileOpenOptions = m_addToActive->isChecked() ? fooAddToActive : fooAddToDefault;
    behavior.FileCloseOptions = m_removeAlways->isChecked() ? fcoRemoveAlways
        : m_neverRemove->isChecked()                        ? fcoNeverRemove
                                                            : fcoRemoveIfDefault;
}
