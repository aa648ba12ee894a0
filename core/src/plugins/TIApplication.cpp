#include "plugins/TIApplication.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "framework/TVYRACore.h"
#include "plugins/PluginStrings.h"
#include "plugins/TIMainMenu.h"
#include "plugins/TVYRAPluginEvents.h"

TIApplication::TIApplication(std::unique_ptr<TVYRACore> clone)
    : TVYRAInterfaceObject(IID_IApplication)
    , m_core(std::move(clone))
{
}

TIApplication::~TIApplication() = default;

TVYRABool TIApplication::DoesSupportUnicode()
{
    return m_core->DoesSupportUnicode() ? VYRA_TRUE : VYRA_FALSE;
}

uintptr_t TIApplication::GetInstance()
{
    return m_core->GetInstance();
}

void TIApplication::GetDefaultFont(IVYRAStringOut *font)
{
    const TVYRADocumentContainer *container = m_core->Container();
    if (!container)
        return PluginStrings::Out(font, QString());
    const TVYRADocument *active = m_core->GetActiveDocument();
    const bool codeEditor = active ? active->EditorMode()
                                   : (m_core->Settings() ? m_core->Settings()->GetEditorMode() : true);
    PluginStrings::Out(font, container->GetDefaultDocumentFont(codeEditor ? -1 : 0).toString());
}

void TIApplication::GetAppDir(IVYRAStringOut *folder)
{
    PluginStrings::Out(folder, m_core->GetAppDir());
}

void TIApplication::GetTemplateDir(IVYRAStringOut *folder)
{
    PluginStrings::Out(folder, m_core->GetTemplateDir());
}

void TIApplication::GetAppDataDir(IVYRAStringOut *folder)
{
    PluginStrings::Out(folder, m_core->GetAppDataDir());
}

void TIApplication::GetSettingsXMLFile(IVYRAStringOut *fileName)
{
    PluginStrings::Out(fileName, m_core->GetSettingsXMLFile());
}

uintptr_t TIApplication::GetHandle()
{
    return m_core->GetHandle();
}

uintptr_t TIApplication::GetIcon()
{
    return m_core->GetIcon();
}

IMainMenu *TIApplication::IGetMainMenu()
{
    const TVYRAPluginEvents &events = m_core->PluginEvents();
    QWidget *menu = events.OnRequestMenu ? events.OnRequestMenu(TVYRAMenuKind::mkMainMenu) : nullptr;
    return menu ? new TIMainMenu(m_core.get(), menu) : nullptr;
}

IMainMenu *TIApplication::IGetPopupMenu()
{
    const TVYRAPluginEvents &events = m_core->PluginEvents();
    QWidget *menu = events.OnRequestMenu ? events.OnRequestMenu(TVYRAMenuKind::mkPopupMenu) : nullptr;
    return menu ? new TIMainMenu(m_core.get(), menu) : nullptr;
}

TVYRABool TIApplication::CanEditDocuments()
{
    return m_core->CanEditDocuments() ? VYRA_TRUE : VYRA_FALSE;
}

int32_t TIApplication::MessageBox(TVYRAStringIn text, TVYRAStringIn caption, uint32_t flags)
{
    return m_core->MessageBox(PluginStrings::FromIn(text), PluginStrings::FromIn(caption), flags);
}
