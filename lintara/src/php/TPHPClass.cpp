#include "php/TPHPClass.h"

#include "php/TPHPDeclarationScanner.h"
#include "php/TPHPLexer.h"

TPHPClass::TPHPClass(TPHPCustomClass *parent, const QString &sourceText, int32_t offset)
    : TPHPCustomClass(parent, sourceText, offset)
{
    ParseEntity();
}

void TPHPClass::ParseEntity()
{
    TPHPDeclarations found;
    ScanOwnText(found);
    if (!found.Classes.empty())
        Adopt(*found.Classes.front());
}
