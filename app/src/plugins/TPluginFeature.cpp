#include "plugins/TPluginFeature.h"

#include "commands/TShortcutCode.h"
#include "container/TVYRADocumentContainer.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "plugins/TVYRAPluginEvents.h"
#include "plugins/TVYRAPlugins.h"

#include <QMenuBar>
#include <algorithm>

TPluginFeature::TPluginFeature(TVYRACore &core, TMainForm &window)
    : QObject(&window)
    , m_core(core)
    , m_window(window)
{
    TVYRAPluginEvents &events = m_core.PluginEvents();
    events.OnRequestMenu = [this](TVYRAMenuKind kind) -> QWidget * {
        if (kind == TVYRAMenuKind::mkMainMenu)
            return m_window.menuBar();
        return m_core.Container() ? m_core.Container()->TextPopUp() : nullptr;
    };
    events.ShortCutToKeys = [](uint16_t code) { return TShortcutCode::ToKeySequence(code); };
    const int beforeHelp = std::max(0, int(m_window.menuBar()->actions().size()) - 1);
    // The window's handle is an opaque token to plug-ins: the window object's address.
    m_core.InitPluginSystem(0, reinterpret_cast<std::uintptr_t>(&m_window), 0, beforeHelp, TVYRAPlugins::AllTypes());
}

TPluginFeature::~TPluginFeature()
{
    // The window and its menus go before the core that frees the plug-ins.
    TVYRAPluginEvents &events = m_core.PluginEvents();
    events.OnRequestMenu = nullptr;
    events.ShortCutToKeys = nullptr;
}
