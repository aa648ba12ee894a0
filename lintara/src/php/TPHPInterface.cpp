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
    ClearMembers();
    Name.clear();
    if (SourceText.isEmpty())
        return;
    CommentMap->SetSource(SourceText);
    const QString mask = TPHPLexer::CodeMask(SourceText, false);
    TPHPDeclarations found = TPHPDeclarationScanner(SourceText, mask, Offset, this).Run();
    if (!found.Interfaces.empty())
        Adopt(*found.Interfaces.front());
}
