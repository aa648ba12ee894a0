#pragma once

#include "settings/TSettingsPage.h"

class QCheckBox;
class QListWidget;

// "Vervollständigung": code completion, quick templates and the characters
// whose partner is inserted with them.
class TCompletionSettingsPage : public TSettingsPage
{
    Q_OBJECT
public:
    TCompletionSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

private:
    void checkAll(bool on);

    QCheckBox *const m_completion;
    QCheckBox *const m_quickTemplates;
    QListWidget *const m_closing;
};
