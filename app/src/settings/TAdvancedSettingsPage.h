#pragma once

#include "settings/TSettingsPage.h"

class QCheckBox;

// "Erweitert": the warning for unknown files, the update check at start and
// clearing the file and search histories (done at once).
class TAdvancedSettingsPage : public TSettingsPage
{
    Q_OBJECT
public:
    TAdvancedSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

private:
    QCheckBox *const m_warnUnknown;
    QCheckBox *const m_checkUpdates;
};
