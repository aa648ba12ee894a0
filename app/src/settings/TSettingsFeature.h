#pragma once

#include <QObject>
#include <QPointer>

class TMainForm;
class TSettingsForm;
class TVYRACore;

// The settings dialog in the main window: "Einstellungen" opens it on its
// first page, "Bearbeiten..." of the snippets on the snippet page. One
// dialog is made on first use and reused; others open it with ShowSettings.
class TSettingsFeature : public QObject
{
    Q_OBJECT
public:
    TSettingsFeature(TVYRACore &core, TMainForm &window);
    ~TSettingsFeature() override;

    // The dialog's result; Rejected when the core has no studio settings.
    int ShowSettings(int page);
    // The dialog, made and loaded for page, without showing it (tests and
    // callers that show it themselves).
    TSettingsForm *Form(int page);

private:
    TVYRACore &m_core;
    TMainForm &m_window;
    QPointer<TSettingsForm> m_form;
};
