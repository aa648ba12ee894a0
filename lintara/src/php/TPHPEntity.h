#pragma once

#include "lintara_export.h"

#include <QString>
#include <cstdint>

class TPHPCustomClass;

// Base of every entity of the PHP model. Offsets are character offsets in
// the whole text the model was built from.
class LINTARA_EXPORT TPHPEntity
{
public:
    TPHPEntity(TPHPCustomClass *parent, QString sourceText, int32_t offset)
        : Parent(parent), SourceText(std::move(sourceText)), Offset(offset)
    {
    }
    virtual ~TPHPEntity() = default;
    TPHPEntity(const TPHPEntity &) = delete;
    TPHPEntity &operator=(const TPHPEntity &) = delete;

    TPHPCustomClass *Parent;
    QString SourceText;
    int32_t Offset;
    // Offset of the entity's name (of "$" for a variable), -1 when unknown.
    int32_t NameOffset = -1;
};
