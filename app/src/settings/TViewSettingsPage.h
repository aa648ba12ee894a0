#pragma once

#include "settings/TSettingsPage.h"

class QCheckBox;
class QComboBox;

// "Ansicht": the visual style (Qt's widget styles) and three switches.
class TViewSettingsPage : public TSettingsPage
{
    Q_OBJECT
public:
    TViewSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

private:
    QComboBox *const m_style;
    QCheckBox *const m_multiLine;
    QCheckBox *const m_reload;
    QCheckBox *const m_storePath;
};
