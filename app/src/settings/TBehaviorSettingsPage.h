#pragma once

#include "settings/TSettingsPage.h"

class QRadioButton;

// "Verhalten": where new documents go and what closing a project file does.
class TBehaviorSettingsPage : public TSettingsPage
{
    Q_OBJECT
public:
    TBehaviorSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

private:
    QRadioButton *const m_addToActive;
    QRadioButton *const m_addToDefault;
    QRadioButton *const m_removeIfDefault;
    QRadioButton *const m_removeAlways;
    QRadioButton *const m_neverRemove;
};
