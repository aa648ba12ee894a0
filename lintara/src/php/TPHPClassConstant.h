#pragma once

#include "php/TPHPConstant.h"

// A "const" of a class-like entity, or a "case" of an enum.
class LINTARA_EXPORT TPHPClassConstant : public TPHPConstant
{
public:
    using TPHPConstant::TPHPConstant;
    TPHPVarVisibility Visibility = vvPublic;
    bool IsEnumCase = false;
};
