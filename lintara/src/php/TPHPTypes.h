#pragma once

#include "lintara_export.h"

#include <QString>
#include <QStringView>
#include <array>

enum TPHPVarVisibility { vvPublic = 0, vvPrivate = 1, vvProtected = 2 };
enum TPHPIncludeKind { ikInclude = 0, ikIncludeOnce = 1, ikRequire = 2, ikRequireOnce = 3 };
// What a TPHPClass declares: a class, a trait or an enum.
enum TPHPClassKind { ckClass = 0, ckTrait = 1, ckEnum = 2 };

inline constexpr std::array<const char *, 3> VisibilityNames = {"public", "private", "protected"};

// vvPublic for "public" and for anything that is not a visibility keyword.
LINTARA_EXPORT TPHPVarVisibility VisibilityOf(QStringView text);
LINTARA_EXPORT TPHPIncludeKind IncludeKindOf(QStringView keyword);
