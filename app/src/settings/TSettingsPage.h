#pragma once

#include <QWidget>

class TTalvexStudioSettings;
class TVYRACore;

// One page of the settings dialog. Load fills the controls from the
// settings (on every opening), Apply writes them back into the settings
// objects; the dialog saves the files. Any change of a watched control is
// reported as changed().
class TSettingsPage : public QWidget
{
    Q_OBJECT
public:
    TSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    virtual void Load() = 0;
    virtual void Apply() = 0;

signals:
    void changed();

protected:
    // Reports every change of the control (line edits, boxes, spins, lists).
    void watch(QWidget *control);
    // A caption above a column of controls.
    static QWidget *caption(const QString &text, QWidget *parent);

    TVYRACore &m_core;
    TTalvexStudioSettings &m_settings;
};
