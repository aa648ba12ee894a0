#include "tools/TToolCallBack.h"

#include "tools/TToolApplication.h"
#include "ui/TPrompter.h"
#include "utils/VersionInfo.h"

namespace {

TToolApplication *g_application = nullptr;

bool isTrueText(const QString &value)
{
    return value == QLatin1String("1") || value.toLower() == QLatin1String("true");
}

} // namespace

void TToolCallBack::SetApplication(TToolApplication *application)
{
    g_application = application;
}

TToolApplication *TToolCallBack::Application()
{
    return g_application;
}

bool TToolCallBack::needsDocument(int32_t code)
{
    switch (code) {
    case VYRA_TOOL_GETTEXT:
    case VYRA_TOOL_GETFILENAME:
    case VYRA_TOOL_GETFILEVERSION:
    case VYRA_TOOL_GETCIPHERNAME:
    case VYRA_TOOL_ISNOCIPHER:
    case VYRA_TOOL_SETTEXT:
    case VYRA_TOOL_SETEDITORMODE:
    case VYRA_TOOL_SETHIGHLIGHTER:
    case VYRA_TOOL_OPENFILE:
    case VYRA_TOOL_OPENFILEEX:
    case VYRA_TOOL_CLOSEDOCUMENT:
    case VYRA_TOOL_SAVEDOCUMENT:
        return true;
    default:
        return false;
    }
}

// The codes that hand a text out; false when code is none of them.
bool TToolCallBack::answer(TToolApplication *application, int32_t code, QString &value)
{
    switch (code) {
    case VYRA_TOOL_GETTEXT: value = application->ActiveEditorText(); return true;
    case VYRA_TOOL_GETFILENAME: value = application->ActiveDocumentFileName(); return true;
    case VYRA_TOOL_GETFILEVERSION: value = application->ActiveDocumentFileVersion(); return true;
    case VYRA_TOOL_GETCIPHERNAME: value = application->ActiveDocumentCipherName(); return true;
    case VYRA_TOOL_ISNOCIPHER:
        value = application->ActiveDocumentHasNoCipher() ? QStringLiteral("True") : QStringLiteral("False");
        return true;
    case VYRA_TOOL_GETVERSIONINFO:
        value = QStringLiteral("Version %1. Built on %2.").arg(GetVersion(), GetDate());
        return true;
    case VYRA_TOOL_INPUTBOX:
        value = TPrompter::instance()
                    .askText(QStringLiteral("Talvex Tool Eingabeaufforderung"), QStringLiteral("Bitte Wert eingeben"))
                    .value_or(QString());
        return true;
    case VYRA_TOOL_GETINTVERSION: value = QString::number(GetIntVersion()); return true;
    case VYRA_TOOL_GETSETTINGSFILE:
        value = application ? application->SettingsFileName() : QString();
        return true;
    case VYRA_TOOL_GETICON:
        value = QString::number(application ? application->IconHandle() : 0);
        return true;
    case VYRA_TOOL_GETMAINWINDOW:
        value = QString::number(application ? application->MainWindowHandle() : 0);
        return true;
    default:
        return false;
    }
}

// The codes that change the editor; known is false when code is none of them.
bool TToolCallBack::act(TToolApplication &application, int32_t code, const QString &value, bool &known)
{
    known = true;
    switch (code) {
    case VYRA_TOOL_SETTEXT: application.SetActiveEditorText(value); return true;
    case VYRA_TOOL_SETEDITORMODE: return application.SetActiveDocumentEditorMode(isTrueText(value));
    case VYRA_TOOL_SETHIGHLIGHTER: return application.SetActiveEditorHighlighter(value);
    case VYRA_TOOL_OPENFILE: return application.OpenFile(value);
    case VYRA_TOOL_OPENFILEEX: return application.OpenFileEx(value, application.ActiveDocumentIndex());
    case VYRA_TOOL_CLOSEDOCUMENT: return application.CloseActiveDocument();
    case VYRA_TOOL_SAVEDOCUMENT: return application.SaveActiveDocument();
    case VYRA_TOOL_NEWDOCUMENT: return application.NewDocument();
    default:
        known = false;
        return false;
    }
}

int32_t TToolCallBack::Execute(TToolApplication *application, int32_t code, QString &value, bool *handedOut)
{
    if (handedOut)
        *handedOut = false;
    if (needsDocument(code) && (!application || !application->CanEditDocuments()))
        return VYRA_TOOL_E_NODOCUMENT;
    if (answer(application, code, value)) {
        if (handedOut)
            *handedOut = true;
        return VYRA_TOOL_E_OK;
    }
    if (!application)
        return code == VYRA_TOOL_NEWDOCUMENT ? VYRA_TOOL_E_FAILED : VYRA_TOOL_E_UNKNOWNCODE;
    bool known = false;
    const bool done = act(*application, code, value, known);
    if (!known)
        return VYRA_TOOL_E_UNKNOWNCODE;
    return done ? VYRA_TOOL_E_OK : VYRA_TOOL_E_FAILED;
}

void TToolCallBack::DLL_CallBack(int32_t code, const char16_t *value, size_t length, IVYRAStringOut *result,
                                 int32_t *error)
{
    int32_t status = VYRA_TOOL_E_OK;
    try {
        QString text = value ? QString::fromUtf16(value, qsizetype(length)) : QString();
        bool handedOut = false;
        status = Execute(g_application, code, text, &handedOut);
        if (handedOut && result)
            result->assign(reinterpret_cast<const char16_t *>(text.utf16()), size_t(text.size()));
    } catch (...) {
        status = VYRA_TOOL_E_FAILED;
    }
    if (error)
        *error = status;
}
