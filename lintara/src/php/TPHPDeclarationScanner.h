#pragma once

#include "php/TPHPClass.h"
#include "php/TPHPDefineConstant.h"
#include "php/TPHPIncludeFile.h"
#include "php/TPHPInterface.h"

#include <QSet>
#include <QStringView>
#include <memory>
#include <vector>

struct TPHPDeclarations
{
    std::vector<std::unique_ptr<TPHPClass>> Classes;
    std::vector<std::unique_ptr<TPHPInterface>> Interfaces;
    std::vector<std::unique_ptr<TPHPMethod>> Functions;
    std::vector<std::unique_ptr<TPHPConstant>> Defines;
    std::vector<std::unique_ptr<TPHPIncludeFile>> Includes;
};

// Finds the declarations of a PHP text in one pass over its code mask (see
// TPHPLexer::CodeMask), following the brace blocks so that every member
// lands in the class-like entity whose body holds it. Declarations whose
// body never closes are dropped.
class TPHPDeclarationScanner
{
public:
    // text and mask have the same length; baseOffset is added to every
    // offset; owner becomes the Parent of top-level entities.
    TPHPDeclarationScanner(QStringView text, QStringView mask, int32_t baseOffset, TPHPCustomClass *owner);
    TPHPDeclarations Run();

private:
    enum class TScopeKind { Block, ClassBody, AnonymousClassBody, FunctionBody };
    enum class TPrevious { None, Member, New, Other };
    struct TScope
    {
        TScopeKind Kind;
        TPHPEntity *Entity; // class-like or method whose body this is, or nullptr
    };
    struct TStatement
    {
        int32_t FirstModifier = -1;
        int32_t LastModifierEnd = -1;
        QStringView Visibility;
        bool IsStatic = false, IsAbstract = false, IsFinal = false, IsReadOnly = false;
    };

    char16_t at(int32_t i) const { return i < m_n ? m_mask[i].unicode() : 0; }
    int32_t skipBlanks(int32_t i) const;
    int32_t identEnd(int32_t i) const;
    // Index after the bracket that closes the one at open, or m_n.
    int32_t closingBracket(int32_t open) const;
    // End of an expression: the next ",", ";" or closing bracket at depth 0.
    int32_t expressionEnd(int32_t from) const;
    QString original(int32_t from, int32_t to) const { return m_text.mid(from, to - from).toString(); }

    int32_t handleWord(int32_t start, int32_t end);
    int32_t handleMemberWord(QStringView word, int32_t start, int32_t end);
    bool recordModifier(QStringView word, int32_t start, int32_t end);
    int32_t readClassLike(int32_t keyword, int32_t end, bool isInterface);
    int32_t readAnonymousClass(int32_t end);
    int32_t readFunction(int32_t keyword, int32_t end);
    int32_t readProperties(int32_t dollar);
    int32_t readConstants(int32_t keyword, int32_t end, bool enumCase);
    int32_t readDefine(int32_t start, int32_t end);
    int32_t readInclude(int32_t start, int32_t end);
    int32_t readNamespace(int32_t start, int32_t end);
    void openBrace(int32_t at);
    void closeBrace(int32_t at);
    void fillParameters(TPHPMethod &method, int32_t open, int32_t close) const;
    TPHPCustomClass *currentClass() const;
    void dropUnclosed();

    QStringView m_text;
    QStringView m_mask;
    int32_t m_n;
    int32_t m_base;
    TPHPCustomClass *m_owner;
    TPHPDeclarations m_result;
    std::vector<TScope> m_scopes;
    TStatement m_statement;
    TPrevious m_previous = TPrevious::None;
    TScopeKind m_pendingKind = TScopeKind::Block;
    TPHPEntity *m_pendingEntity = nullptr;
    QString m_namespace;
    QSet<const TPHPEntity *> m_open; // declarations whose body has not closed yet
};
