#include "settings/TAdvancedSettingsPage.h"

#include "framework/TVYRACore.h"
#include "settings/THistoryCleaner.h"
#include "settings/TTalvexStudioAdvancedSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "ui/TPrompter.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

TAdvancedSettingsPage::TAdvancedSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_warnUnknown(
          new QCheckBox(QStringLiteral("Warnen, falls versucht wird eine unbekannte Datei zu öffnen."), this))
    , m_checkUpdates(new QCheckBox(QStringLiteral("Beim Start von Talvex Studio auf neue Versionen prüfen."), this))
{
    auto *fileHistory = new QPushButton(QStringLiteral("Datei-Verlauf löschen"), this);
    fileHistory->setObjectName(QStringLiteral("btnClearFileHistory"));
    auto *searchHistory = new QPushButton(QStringLiteral("Such-Verlauf löschen"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Erweitert"), this));
    layout->addWidget(m_warnUnknown);
    layout->addWidget(m_checkUpdates);
    layout->addWidget(fileHistory);
    layout->addWidget(searchHistory);
    layout->addStretch();
    watch(m_warnUnknown);
    watch(m_checkUpdates);
    connect(fileHistory, &QPushButton::clicked, this, [this] {
        if (TVYRAMRUList *recent = m_core.RecentFiles())
            THistoryCleaner::ClearFileHistory(*recent, TPrompter::instance());
    });
    connect(searchHistory, &QPushButton::clicked, this,
            [this] { THistoryCleaner::ClearSearchHistory(m_settings, TPrompter::instance()); });
}

void TAdvancedSettingsPage::Load()
{
    m_warnUnknown->setChecked(m_settings.Advanced()->WarnUnsupportedFileOpenAttempt);
    m_checkUpdates->setChecked(m_settings.Advanced()->CheckUpdatesOnStart);
}

void TAdvancedSettingsPage::Apply()
{
    m_settings.Advanced()->WarnUnsupportedFileOpenAttempt = m_warnUnknown->isChecked();
    m_settings.Advanced()->CheckUpdatesOnStart = m_checkUpdates->isChecked();
}
