#pragma once

#include "editor/TSynMarkupSyn.h"

class VYRA_EXPORT TSynHTMLSyn : public TSynMarkupSyn
{
public:
    TSynHTMLSyn();
};
