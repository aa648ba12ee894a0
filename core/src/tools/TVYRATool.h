#pragma once

#include "VYRAToolModule.h"
#include "utils/TOperationResult.h"
#include "vyra_export.h"

#include <QString>
#include <QStringList>

// One entry of the Tools menu: a program, a document or a tool module.
class VYRA_EXPORT TVYRATool
{
public:
    TVYRATool(QString fileName, QString params, QString name);

    QString FileName; // program, document, web address or tool module (".so")
    QString Params;   // command line for a program, split into arguments as a shell would quote them
    QString Name;     // menu caption

    // Starts the tool: a tool module through RunDLL with the process's tool
    // call-back; a program as a detached process with Params as its argument
    // list (never through a shell), working in the program's folder (the home
    // folder for a program found on the search path); a document or web
    // address in the desktop's program for it. The result names the tool when
    // it could not be started.
    TOperationResult Run() const;
    // Loads the tool module, calls its "CallDLL" with callBack and unloads it.
    TOperationResult RunDLL(TVYRAToolCallBack callBack) const;

    // True when FileName names a tool module (extension ".so", any case).
    bool IsModule() const;
    // The arguments Params stands for.
    QStringList Arguments() const;
    // The folder a program tool works in.
    QString WorkingDirectory() const;

private:
    TOperationResult failure(const QString &reason) const;
    TOperationResult runProgram(const QString &program) const;
    TOperationResult openInDesktop() const;
};
