#include "dialogs/TDialogsFeature.h"

#include "commands/TActionRegistry.h"
#include "dialogs/TShortCutManager.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"

TDialogsFeature::TDialogsFeature(TVYRACore &core, TMainForm &window)
    : QObject(&window), m_core(core), m_window(window)
{
    TActionRegistry &registry = m_window.Registry();
    registry.SetHandler(QStringLiteral("ShortcutManager"), [this] { showShortcutManager(); });
}

TDialogsFeature::~TDialogsFeature() = default;

void TDialogsFeature::showShortcutManager()
{
    if (TVYRASettings *settings = m_core.Settings())
        TShortCutManager::Execute(m_window.Registry(), *settings, &m_window);
}
