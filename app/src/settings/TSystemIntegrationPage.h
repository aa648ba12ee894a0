#pragma once

#include "settings/TSettingsPage.h"

#include <functional>

class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class TVYRAFileExtension;

// "Systemintegration": announces an extension to the desktop, for opening
// with a double click or as the context-menu entry "Bearbeiten mit Talvex
// Studio", in the user's own association files.
class TSystemIntegrationPage : public TSettingsPage
{
    Q_OBJECT
public:
    TSystemIntegrationPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

    QComboBox *Groups() const { return m_groups; }
    QListWidget *Extensions() const { return m_extensions; }
    QRadioButton *OpenMode() const { return m_open; }
    QRadioButton *EditMode() const { return m_edit; }
    QPushButton *RegisterButton() const { return m_register; }
    TVYRAFileExtension *CurrentExtension() const;
    // "Übernehmen": the icon is asked for, then the extension registered.
    bool RegisterCurrent();

    // Asks for an icon file; empty keeps the file type's own. Replaceable in tests.
    std::function<QString()> ChooseIcon;

private:
    void showExtensions();
    void updateButton();

    QComboBox *const m_groups;
    QListWidget *const m_extensions;
    QRadioButton *const m_open;
    QRadioButton *const m_edit;
    QPushButton *const m_register;
};
