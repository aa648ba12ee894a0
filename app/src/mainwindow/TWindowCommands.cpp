#include "mainwindow/TWindowCommands.h"

#include "commands/TActionRegistry.h"
#include "mainwindow/IWindowArrangement.h"

TWindowCommands::TWindowCommands(IWindowArrangement &window)
    : m_window(window)
{
}

void TWindowCommands::Register(TActionRegistry &registry)
{
    registry.SetHandler(QStringLiteral("WindowCascade"), [this] { m_window.CascadeWindows(); });
    registry.SetHandler(QStringLiteral("WindowTileHorizontal"), [this] { m_window.TileWindowsHorizontally(); });
    registry.SetHandler(QStringLiteral("WindowTileVertical"), [this] { m_window.TileWindowsVertically(); });
    registry.SetHandler(QStringLiteral("WindowMinimizeAll"), [this] { m_window.MinimizeAllWindows(); });
    registry.SetHandler(QStringLiteral("WindowArrangeAll"), [this] { m_window.ArrangeMinimizedWindows(); });
    registry.SetHandler(QStringLiteral("ToggleStatusBar"),
                        [this] { m_window.SetStatusBarVisible(!m_window.IsStatusBarVisible()); });
}
