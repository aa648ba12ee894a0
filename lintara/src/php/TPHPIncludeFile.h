#pragma once

#include "php/TPHPEntity.h"
#include "php/TPHPTypes.h"

// An include, include_once, require or require_once statement.
class LINTARA_EXPORT TPHPIncludeFile : public TPHPEntity
{
public:
    using TPHPEntity::TPHPEntity;
    QString FileName; // everything between the keyword and the end of the statement
    TPHPIncludeKind Kind = ikInclude;
    QString Keyword;  // as written
};
