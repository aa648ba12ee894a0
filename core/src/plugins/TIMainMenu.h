#pragma once

#include "vyra_export.h"
#include "VYRAPluginInterfaces.h"
#include "plugins/TVYRAInterfaceObject.h"

#include <QPointer>
#include <QWidget>

class TVYRACore;

// The window's menu bar (or pop-up menu) as plug-ins see it. Made anew on
// every request; owns nothing. The menus carry no shared image list.
class VYRA_EXPORT TIMainMenu final : public TVYRAInterfaceObject<IMainMenu>
{
public:
    TIMainMenu(TVYRACore *core, QWidget *menu);

    IMenuItems *GetMenuItems() override;
    IMenuItem *InsertMenuItem(const TVYRAMenuItemInfo &info) override;
    IImageList *GetImageList() override { return nullptr; }

private:
    TVYRACore *m_core;
    QPointer<QWidget> m_menu;
};
