#pragma once

#include "vyra_export.h"
#include "VYRAPluginInterfaces.h"
#include "plugins/TVYRAInterfaceObject.h"

#include <QAction>
#include <QPointer>

class TVYRACore;

// One menu item (an action of a menu bar or menu) as plug-ins see it. Made
// anew on every request; owns nothing. Calls on an item the window has
// deleted do nothing and answer empty values.
class VYRA_EXPORT TIMenuItem final : public TVYRAInterfaceObject<IMenuItem>
{
public:
    TIMenuItem(TVYRACore *core, QAction *item);

    // The host's action behind an IMenuItem the host made, else nullptr.
    static QAction *ActionOf(IVYRAUnknown *item);

    IMenuItems *GetMenuItems() override;
    IMenuItem *InsertMenuItem(const TVYRAMenuItemInfo &info) override;
    IMenuItem *FindItem(TVYRAStringIn name) override;
    int32_t GetIndex() override;
    void GetCaption(IVYRAStringOut *caption) override;
    void SetCaption(TVYRAStringIn caption) override;
    void GetHint(IVYRAStringOut *hint) override;
    void SetHint(TVYRAStringIn hint) override;
    void GetName(IVYRAStringOut *name) override;
    uint16_t GetShortCut() override;
    void SetShortCut(uint16_t shortCut) override;
    int32_t GetTag() override;
    void SetTag(int32_t tag) override;
    void RegisterOnClick(INotifyEvent *listener) override;
    int32_t Get_ImageIndex() override;
    void Set_ImageIndex(int32_t index) override;
    TVYRABool Get_Enabled() override;
    void Set_Enabled(TVYRABool enabled) override;
    void UnRegisterOnClick(INotifyEvent *listener) override;
    TVYRABool Get_IsSubMenu() override;
    void RegisterOnUpdate(INotifyEvent *listener) override;
    void UnRegisterOnUpdate(INotifyEvent *listener) override;

protected:
    void *queryOther(const TVYRAGUID &iid) override;

private:
    TVYRACore *m_core;
    QPointer<QAction> m_item;
};
