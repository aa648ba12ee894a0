#pragma once

#include "php/TPHPConstant.h"

// A define('NAME', value) call.
class LINTARA_EXPORT TPHPDefineConstant : public TPHPConstant
{
public:
    using TPHPConstant::TPHPConstant;
};
