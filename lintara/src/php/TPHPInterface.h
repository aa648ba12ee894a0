#pragma once

#include "php/TPHPCustomClass.h"
#include "php/TPHPInterfaceMethod.h"

// An interface: constants and method signatures; Variables stays empty.
class LINTARA_EXPORT TPHPInterface : public TPHPCustomClass
{
public:
    TPHPInterface(TPHPCustomClass *parent, const QString &sourceText, int32_t offset);
    TPHPInterface(TPHPCustomClass *parent, int32_t offset) : TPHPCustomClass(parent, QString(), offset) {}
    void ParseEntity() override;
    TPHPInterfaceMethod *GetInterfaceMethod(int32_t index) const
    {
        return static_cast<TPHPInterfaceMethod *>(GetMethods(index));
    }
};
