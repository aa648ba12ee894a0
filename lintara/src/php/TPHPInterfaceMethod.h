#pragma once

#include "php/TPHPMethod.h"

// A method signature of an interface; it never has a body.
class LINTARA_EXPORT TPHPInterfaceMethod : public TPHPMethod
{
public:
    using TPHPMethod::TPHPMethod;
};
