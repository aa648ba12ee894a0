#pragma once

#include "php/TPHPEntity.h"
#include "php/TPHPTypes.h"

class LINTARA_EXPORT TPHPConstant : public TPHPEntity
{
public:
    using TPHPEntity::TPHPEntity;
    QString Name;
    // The value as written; a single quoted literal without its quotes.
    QString Value;
};
