#pragma once

#include "orvane_export.h"

#include <QFlags>
#include <QObject>

// Enumerations and sets of the studio settings, known to Qt's meta-object
// system so that the XML serializer stores them by name.
namespace StudioSettingsTypes {
Q_NAMESPACE_EXPORT(ORVANE_EXPORT)

enum TViewControls { vcTabIcon = 0x1 };
Q_DECLARE_FLAGS(TViewControlSet, TViewControls)
Q_FLAG_NS(TViewControlSet)

enum TDockPosition { dsLeft, dsBottom, dsRight };
Q_ENUM_NS(TDockPosition)

enum TTalvexStudioBarPosition { bpTop, bpRight, bpBottom, bpLeft };
Q_ENUM_NS(TTalvexStudioBarPosition)

enum TCharCompletionType {
    cctParenthesis = 0x01,
    cctSquareBracket = 0x02,
    cctBrace = 0x04,
    cctAngleBracket = 0x08,
    cctSingleQuote = 0x10,
    cctDoubleQuote = 0x20,
};
Q_DECLARE_FLAGS(TCharCompletionTypes, TCharCompletionType)
Q_FLAG_NS(TCharCompletionTypes)

} // namespace StudioSettingsTypes

Q_DECLARE_OPERATORS_FOR_FLAGS(StudioSettingsTypes::TViewControlSet)
Q_DECLARE_OPERATORS_FOR_FLAGS(StudioSettingsTypes::TCharCompletionTypes)

using StudioSettingsTypes::TCharCompletionType;
using StudioSettingsTypes::TCharCompletionTypes;
using StudioSettingsTypes::TDockPosition;
using StudioSettingsTypes::TTalvexStudioBarPosition;
using StudioSettingsTypes::TViewControls;
using StudioSettingsTypes::TViewControlSet;
using enum StudioSettingsTypes::TCharCompletionType;
using enum StudioSettingsTypes::TDockPosition;
using enum StudioSettingsTypes::TTalvexStudioBarPosition;
using enum StudioSettingsTypes::TViewControls;
