#pragma once

#include "settings/TSettingsPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;
class TPhpVersionProbe;

// "PHP": the interpreter with its version line, which files the preview
// runs through PHP, and the web-server folder.
class TPhpSettingsPage : public TSettingsPage
{
    Q_OBJECT
public:
    TPhpSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

    QLabel *VersionLabel() const { return m_version; }
    // The folder picker's answer: taken when it is a folder, else refused.
    bool SetWebServerPath(const QString &path);

private:
    void probe();

    QLineEdit *const m_interpreter;
    QLabel *const m_version;
    QCheckBox *const m_knownOnly;
    QLineEdit *const m_webServer;
    TPhpVersionProbe *const m_probe;
    QTimer *const m_pause;
};
