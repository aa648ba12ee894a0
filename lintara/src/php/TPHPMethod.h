#pragma once

#include "php/TPHPEntity.h"
#include "php/TPHPTypes.h"

#include <QStringList>

// A function; also the base of class and interface methods.
class LINTARA_EXPORT TPHPMethod : public TPHPEntity
{
public:
    using TPHPEntity::TPHPEntity;
    // Reads the first function declaration of SourceText.
    TPHPMethod(TPHPCustomClass *parent, const QString &sourceText, int32_t offset, bool parse);

    int32_t GetParamCount() const { return int32_t(Parameters.size()); }
    QString GetParameters(int32_t index) const { return Parameters.at(index); }
    // Splits a parameter list text into its parameters, each as written.
    void ParseParameters(const QString &text);

    QString Name;
    QString Namespace;   // of a global function; empty in the global namespace
    QString Declaration; // the header as written, up to the return type
    QString ReturnType;
    QString Body;
    int32_t BodyStart = -1; // offset of "{"
    int32_t BodyEnd = -1;   // offset after "}"
    QStringList Parameters;
    bool ByReference = false;
    TPHPVarVisibility Visibility = vvPublic;
};
