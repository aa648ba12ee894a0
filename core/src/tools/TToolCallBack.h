#pragma once

#include "VYRAToolModule.h"
#include "vyra_export.h"

#include <QString>

class TToolApplication;

// The call-back tool modules receive (see VYRAToolModule.h). A module gets a
// bare function, so the application it works on is chosen beforehand for the
// whole process; the host sets it on the main thread, where tools run.
class VYRA_EXPORT TToolCallBack
{
public:
    // Selects the application (not owned); nullptr: none, so every request
    // that needs a document answers VYRA_TOOL_E_NODOCUMENT.
    static void SetApplication(TToolApplication *application);
    static TToolApplication *Application();

    // The function handed to CallDLL. Lets no exception out: a failure inside
    // the editor answers VYRA_TOOL_E_FAILED.
    static void DLL_CallBack(int32_t code, const char16_t *value, size_t length, IVYRAStringOut *result,
                             int32_t *error);

    // Carries out one code on an application: value is read by the codes that
    // take a text and replaced by those that hand one out (handedOut tells
    // which happened); the error code is returned. application may be nullptr.
    static int32_t Execute(TToolApplication *application, int32_t code, QString &value, bool *handedOut = nullptr);

private:
    static bool needsDocument(int32_t code);
    static bool answer(TToolApplication *application, int32_t code, QString &value);
    static bool act(TToolApplication &application, int32_t code, const QString &value, bool &known);
};
