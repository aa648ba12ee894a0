#pragma once

#include <QObject>

class TMainForm;
class TVYRACore;

// Puts the plug-ins into the main window: tells the plug-in system where the
// menu bar and the editor's pop-up menu are and how stored shortcut codes
// become keys, then loads the plug-ins, whose menu items go into the window.
// The "Plugins" menu of the foreign plug-ins goes before the Help menu.
class TPluginFeature : public QObject
{
    Q_OBJECT
public:
    TPluginFeature(TVYRACore &core, TMainForm &window);
    ~TPluginFeature() override;

private:
    TVYRACore &m_core;
    TMainForm &m_window;
};
