#pragma once

#include <QObject>

class TMainForm;
class TVYRACore;

// Puts the small dialogs of the window into it: the shortcut manager.
class TDialogsFeature : public QObject
{
    Q_OBJECT
public:
    TDialogsFeature(TVYRACore &core, TMainForm &window);
    ~TDialogsFeature() override;

private:
    void showShortcutManager();

    TVYRACore &m_core;
    TMainForm &m_window;
};
