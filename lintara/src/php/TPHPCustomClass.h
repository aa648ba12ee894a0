#pragma once

#include "php/TPHPClassConstant.h"
#include "php/TPHPComments.h"
#include "php/TPHPEntity.h"
#include "php/TPHPMethod.h"
#include "php/TPHPVariable.h"

#include <memory>
#include <vector>

struct TPHPDeclarations;

// Base of class-like entities: what a class, trait, enum or interface
// declares, with its members in order of their offsets.
class LINTARA_EXPORT TPHPCustomClass : public TPHPEntity
{
public:
    TPHPCustomClass(TPHPCustomClass *parent, const QString &sourceText, int32_t offset);
    ~TPHPCustomClass() override;

    // Rebuilds the members from SourceText.
    virtual void ParseEntity() = 0;
    // A different text is stored and parsed; an equal text changes nothing.
    virtual void SetSourceText(const QString &text);
    virtual TPHPMethod *GetMethodsEx(int32_t index) const { return GetMethods(index); }
    // The innermost member at pos, else this entity when pos lies in its
    // text, else nullptr.
    virtual TPHPEntity *FindEntityAt(int32_t pos) const;

    int32_t GetMethodCount() const { return int32_t(Methods.size()); }
    TPHPMethod *GetMethods(int32_t index) const { return Methods.at(size_t(index)).get(); }
    int32_t GetVariableCount() const { return int32_t(Variables.size()); }
    TPHPVariable *GetVariables(int32_t index) const { return Variables.at(size_t(index)).get(); }
    virtual int32_t GetConstantCount() const { return int32_t(Constants.size()); }
    TPHPConstant *GetConstants(int32_t index) const { return Constants.at(size_t(index)).get(); }
    // Name with its namespace, "\"-separated.
    QString QualifiedName() const;

    // Takes over name, fields and members of other (made from the same text).
    void Adopt(TPHPCustomClass &other);
    void ClearMembers();

protected:
    // Clears the entity and scans its own source text; found holds what the
    // text declares (nothing for an empty text). Shared by the class-like
    // entities, which then adopt the first declaration of their kind.
    void ScanOwnText(TPHPDeclarations &found);

public:

    std::unique_ptr<TPHPComments> CommentMap;
    QString Name;
    bool IsAbstract = false;
    QString Implements;
    std::vector<std::unique_ptr<TPHPConstant>> Constants;
    std::vector<std::unique_ptr<TPHPMethod>> Methods;
    std::vector<std::unique_ptr<TPHPVariable>> Variables;
    QString Extends;
    int32_t BodyStart = -1;
    int32_t BodyEnd = -1;
    QString Namespace;
    bool IsFinal = false;
    bool IsReadOnly = false;
    TPHPClassKind Kind = ckClass;
    QString BackingType; // of an enum
};
