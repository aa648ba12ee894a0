#pragma once

#include "php/TPHPMethod.h"

class LINTARA_EXPORT TPHPClassMethod : public TPHPMethod
{
public:
    using TPHPMethod::TPHPMethod;
    bool IsAbstract = false;
    bool IsFinal = false;
    bool IsStatic = false;
};
