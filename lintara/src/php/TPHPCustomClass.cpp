#include "php/TPHPCustomClass.h"

#include "php/TPHPDeclarationScanner.h"
#include "php/TPHPLexer.h"

TPHPCustomClass::TPHPCustomClass(TPHPCustomClass *parent, const QString &sourceText, int32_t offset)
    : TPHPEntity(parent, sourceText, offset), CommentMap(std::make_unique<TPHPComments>())
{
}

TPHPCustomClass::~TPHPCustomClass() = default;

void TPHPCustomClass::SetSourceText(const QString &text)
{
    if (text == SourceText)
        return;
    SourceText = text;
    ParseEntity();
}

void TPHPCustomClass::ClearMembers()
{
    Constants.clear();
    Methods.clear();
    Variables.clear();
}

QString TPHPCustomClass::QualifiedName() const
{
    return Namespace.isEmpty() ? Name : Namespace + u'\\' + Name;
}

namespace {

template<typename List>
TPHPEntity *firstCovering(const List &list, int32_t pos)
{
    for (const auto &e : list)
        if (e->Offset <= pos && pos <= e->Offset + e->SourceText.size())
            return e.get();
    return nullptr;
}

template<typename List>
void reparent(List &list, TPHPCustomClass *parent)
{
    for (auto &e : list)
        e->Parent = parent;
}

} // namespace

TPHPEntity *TPHPCustomClass::FindEntityAt(int32_t pos) const
{
    if (pos < Offset || pos > Offset + SourceText.size())
        return nullptr;
    for (const auto &m : Methods)
        if (m->Offset <= pos && pos <= m->BodyEnd)
            return m.get();
    if (TPHPEntity *v = firstCovering(Variables, pos))
        return v;
    if (TPHPEntity *c = firstCovering(Constants, pos))
        return c;
    return const_cast<TPHPCustomClass *>(this);
}

void TPHPCustomClass::Adopt(TPHPCustomClass &other)
{
    Name = other.Name;
    IsAbstract = other.IsAbstract;
    Implements = other.Implements;
    Extends = other.Extends;
    BodyStart = other.BodyStart;
    BodyEnd = other.BodyEnd;
    Namespace = other.Namespace;
    IsFinal = other.IsFinal;
    IsReadOnly = other.IsReadOnly;
    Kind = other.Kind;
    BackingType = other.BackingType;
    NameOffset = other.NameOffset;
    Constants = std::move(other.Constants);
    Methods = std::move(other.Methods);
    Variables = std::move(other.Variables);
    reparent(Constants, this);
    reparent(Methods, this);
    reparent(Variables, this);
}

void TPHPCustomClass::ScanOwnText(TPHPDeclarations &found)
{
    ClearMembers();
    Name.clear();
    if (SourceText.isEmpty())
        return;
    CommentMap->SetSource(SourceText);
    const QString mask = TPHPLexer::CodeMask(SourceText, false);
    found = TPHPDeclarationScanner(SourceText, mask, Offset, this).Run();
}
