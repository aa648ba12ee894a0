#pragma once

#include <QFlags>

// The kinds of plug-in module the loader knows.
enum class TVYRAPluginType { ptNone, ptVYRA, ptPhase5, ptLoomexslave };

enum class TVYRAPluginLoadStateFlag { plsLoadError = 0x1, plsDisabled = 0x2 };
Q_DECLARE_FLAGS(TVYRAPluginLoadState, TVYRAPluginLoadStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TVYRAPluginLoadState)

// Which menu a plug-in asks for.
enum class TVYRAMenuKind { mkMainMenu, mkPopupMenu };

// The page controls the host exposes to plug-ins.
enum class TVYRAPageControls { pcSettingsPageControl, pcQuickBar, pcItemBar };
