#pragma once

#include "php/TPHPSimpleVariable.h"
#include "php/TPHPTypes.h"

// A property of a class.
class LINTARA_EXPORT TPHPVariable : public TPHPSimpleVariable
{
public:
    using TPHPSimpleVariable::TPHPSimpleVariable;
    QString Value; // initial value as written, trimmed
    QString Type;
    TPHPVarVisibility Visibility = vvPublic;
    bool IsStatic = false;
    bool IsReadOnly = false;
};
