#pragma once

#include "vyra_export.h"

#include <QFlags>
#include <QObject>

// Enumerations and sets of the framework settings. They live in a namespace
// known to Qt's meta-object system, so the XML serializer writes them by name;
// the using-declarations below make them usable without the namespace.
namespace VYRASettingsTypes {
Q_NAMESPACE_EXPORT(VYRA_EXPORT)

enum TFileOpenOption { fooAddToDefault, fooAddToActive };
Q_ENUM_NS(TFileOpenOption)

enum TFileCloseOption { fcoRemoveIfDefault, fcoRemoveAlways, fcoNeverRemove };
Q_ENUM_NS(TFileCloseOption)

enum TAutoSaveType { asAll, asOnlyNewDocs, asOnlyExistingFiles };
Q_ENUM_NS(TAutoSaveType)

enum TAutoSaveOption {
    asoConfirmAutoSave = 0x1,
    asoShowSuccessMessage = 0x2,
    asoChangedOnly = 0x4,
};
Q_DECLARE_FLAGS(TAutoSaveOptions, TAutoSaveOption)
Q_FLAG_NS(TAutoSaveOptions)

// Options of a text search in the editor; bit i is the i-th member, which is
// also the 16-bit form kept in stored data.
enum TVYRASearchOption {
    xsoUseRegEx = 0x001,
    xsoCaseSensitive = 0x002,
    xsoWholeWord = 0x004,
    xsoBackwards = 0x008,
    xsoWholeText = 0x010,
    xsoFromCursor = 0x020,
    xsoReplace = 0x040,
    xsoReplaceAll = 0x080,
    xsoFindNext = 0x100,
    xsoReplacePrompt = 0x200,
};
Q_DECLARE_FLAGS(TVYRASearchOptions, TVYRASearchOption)
Q_FLAG_NS(TVYRASearchOptions)

} // namespace VYRASettingsTypes

Q_DECLARE_OPERATORS_FOR_FLAGS(VYRASettingsTypes::TAutoSaveOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(VYRASettingsTypes::TVYRASearchOptions)

using VYRASettingsTypes::TAutoSaveOption;
using VYRASettingsTypes::TAutoSaveOptions;
using VYRASettingsTypes::TAutoSaveType;
using VYRASettingsTypes::TFileCloseOption;
using VYRASettingsTypes::TFileOpenOption;
using VYRASettingsTypes::TVYRASearchOption;
using VYRASettingsTypes::TVYRASearchOptions;
using enum VYRASettingsTypes::TAutoSaveOption;
using enum VYRASettingsTypes::TAutoSaveType;
using enum VYRASettingsTypes::TFileCloseOption;
using enum VYRASettingsTypes::TFileOpenOption;
using enum VYRASettingsTypes::TVYRASearchOption;

// Colours are 0x00BBGGRR integers; system colours have the high bit set and
// are therefore negative.
using TColor = qint32;
