#pragma once

#include "vyra_export.h"

#include <QString>
#include <array>

// The start-up messages a language file gives in its section "Dialogs", one
// key per name.
enum class TDialogType {
    StartUp_InitPhase,
    StartUp_Init,
    StartUp_InitCore,
    StartUp_InitData,
    StartUp_InitPlugins,
    StartUp_InitApp,
    StartUp_CreateForms,
};

inline constexpr std::array<TDialogType, 7> AllDialogTypes{
    TDialogType::StartUp_InitPhase, TDialogType::StartUp_Init,        TDialogType::StartUp_InitCore,
    TDialogType::StartUp_InitData,  TDialogType::StartUp_InitPlugins, TDialogType::StartUp_InitApp,
    TDialogType::StartUp_CreateForms,
};

// The key of the message in the section "Dialogs", e.g. "StartUp_InitCore".
VYRA_EXPORT QString DialogTypeName(TDialogType type);
