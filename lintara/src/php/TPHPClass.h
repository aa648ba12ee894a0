#pragma once

#include "php/TPHPCustomClass.h"

// A class, trait or enum (see Kind).
class LINTARA_EXPORT TPHPClass : public TPHPCustomClass
{
public:
    // Reads the first class, trait or enum declared in sourceText; offset is
    // where that text starts in the whole file.
    TPHPClass(TPHPCustomClass *parent, const QString &sourceText, int32_t offset);
    // An entity the parser fills in.
    TPHPClass(TPHPCustomClass *parent, int32_t offset) : TPHPCustomClass(parent, QString(), offset) {}
    void ParseEntity() override;
};
