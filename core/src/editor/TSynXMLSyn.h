#pragma once

#include "editor/TSynMarkupSyn.h"

class VYRA_EXPORT TSynXMLSyn : public TSynMarkupSyn
{
public:
    TSynXMLSyn();
};
