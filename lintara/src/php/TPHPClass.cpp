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
    ClearMembers();
    Name.clear();
    if (SourceText.isEmpty())
        return;
    CommentMap->SetSource(SourceText);
    const QString mask = TPHPLexer::CodeMask(SourceText, false);
    TPHPDeclarations found = TPHPDeclarationScanner(SourceText, mask, Offset, this).Run();
    if (!found.Classes.empty())
        Adopt(*found.Classes.front());
}
