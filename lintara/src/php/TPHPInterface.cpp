#include "php/TPHPInterface.h"

#include "php/TPHPDeclarationScanner.h"
#include "php/TPHPLexer.h"

TPHPInterface::TPHPInterface(TPHPCustomClass *parent, const QString &sourceText, int32_t offset)
    : TPHPCustomClass(parent, sourceText, offset)
{
    ParseEntity();
}

void TPHPInterface::ParseEntity()
{
    TPHPDeclarations found;
    ScanOwnText(found);
    if (!found.Interfaces.empty())
        Adopt(*found.Interfaces.front());
}
