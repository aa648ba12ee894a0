#pragma once

#include "vyra_export.h"
#include "VYRAPluginInterfaces.h"
#include "plugins/TVYRAInterfaceObject.h"

#include <memory>

class TVYRACore;

// What a framework plug-in sees of the program: a clone of the core that
// shares everything with it. The clone lives as long as the interface.
class VYRA_EXPORT TIApplication final : public TVYRAInterfaceObject<IApplication>
{
public:
    explicit TIApplication(std::unique_ptr<TVYRACore> clone);
    ~TIApplication() override;

    TVYRABool DoesSupportUnicode() override;
    uintptr_t GetInstance() override;
    void GetDefaultFont(IVYRAStringOut *font) override;
    void GetAppDir(IVYRAStringOut *folder) override;
    void GetTemplateDir(IVYRAStringOut *folder) override;
    void GetAppDataDir(IVYRAStringOut *folder) override;
    void GetSettingsXMLFile(IVYRAStringOut *fileName) override;
    uintptr_t GetHandle() override;
    uintptr_t GetIcon() override;
    IMainMenu *IGetMainMenu() override;
    IMainMenu *IGetPopupMenu() override;
    IDocuments *GetDocuments() override { return nullptr; }
    TVYRABool CanEditDocuments() override;
    IVYRAUnknown *IGetActiveDocument() override { return nullptr; }
    IGUIInterface *GetGUI() override { return nullptr; }
    ITemplates *GetTemplates() override { return nullptr; }
    int32_t MessageBox(TVYRAStringIn text, TVYRAStringIn caption, uint32_t flags) override;
    ICipherList *GetCipherList() override { return nullptr; }

    TVYRACore *Core() const { return m_core.get(); }

private:
    std::unique_ptr<TVYRACore> m_core;
};
