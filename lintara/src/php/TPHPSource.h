#pragma once

#include "php/TPHPClass.h"
#include "php/TPHPDefineConstant.h"
#include "php/TPHPIncludeFile.h"
#include "php/TPHPInterface.h"
#include "php/TPHPSyntaxChecker.h"

#include <QStringList>

// The model of one PHP file (HTML parts included): its classes, traits and
// enums, interfaces, global functions (Methods), define() constants
// (Constants) and includes. Parsed on construction and on every change of
// the text; a reparse frees the previous entities.
class LINTARA_EXPORT TPHPSource : public TPHPClass
{
public:
    explicit TPHPSource(const QString &sourceText = QString());

    void ParseEntity() override;
    // Reads a file (BOM, else UTF-8 when valid, else Windows-1252) and parses
    // it; a missing file leaves the model as it is. Throws nothing.
    void LoadFromFile(const QString &fileName);

    int32_t GetClassCount() const { return int32_t(Classes.size()); }
    TPHPClass *GetClasses(int32_t index) const { return Classes.at(size_t(index)).get(); }
    int32_t GetInterfaceCount() const { return int32_t(Interfaces.size()); }
    TPHPInterface *GetInterfaces(int32_t index) const { return Interfaces.at(size_t(index)).get(); }
    int32_t GetIncludeCount() const { return int32_t(Includes.size()); }
    TPHPIncludeFile *GetIncludes(int32_t index) const { return Includes.at(size_t(index)).get(); }
    TPHPDefineConstant *GetConstantEx(int32_t index) const;

    int32_t FindClass(const QString &name) const;
    int32_t FindInterface(const QString &name) const;
    // owner nullptr: a global function; else a method of the class or
    // interface with owner's name.
    TPHPMethod *FindMethod(const TPHPCustomClass *owner, const QString &name) const;
    TPHPEntity *FindEntityAt(int32_t pos) const override;

    // Runs PHPExecutable on fileName (when it exists) or on the text. True
    // only when the interpreter ran and reported no error; SyntaxStatus()
    // tells a failed check from one that could not be made or timed out.
    bool SyntaxCheck(bool runScript, const QString &fileName);
    TPHPSyntaxStatus SyntaxStatus() const { return m_syntaxStatus; }

    // "Lintara " and the version the library exports as _LINTARAVERSION.
    static QString Version();

    std::vector<std::unique_ptr<TPHPClass>> Classes;
    std::vector<std::unique_ptr<TPHPInterface>> Interfaces;
    std::vector<std::unique_ptr<TPHPIncludeFile>> Includes;
    QString PHPExecutable = QStringLiteral("/usr/bin/php");
    QStringList SyntaxOutput;
    QStringList SyntaxMessages;
    // Kept for callers that set it: an open last block counts as PHP to the
    // end of the text either way, as PHP itself reads it.
    bool CompleteBlocksOnly = true;
    int SyntaxTimeoutMs = 30000;

private:
    TPHPSyntaxStatus m_syntaxStatus = TPHPSyntaxStatus::ssNotRun;
};
