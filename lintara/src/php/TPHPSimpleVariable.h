#pragma once

#include "php/TPHPEntity.h"

class LINTARA_EXPORT TPHPSimpleVariable : public TPHPEntity
{
public:
    using TPHPEntity::TPHPEntity;
    QString Name; // without "$"
};
