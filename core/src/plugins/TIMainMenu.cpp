#include "plugins/TIMainMenu.h"

#include "plugins/TIMenuItem.h"
#include "plugins/TIMenuItems.h"
#include "plugins/TPluginMenuInserter.h"

TIMainMenu::TIMainMenu(TVYRACore *core, QWidget *menu)
    : TVYRAInterfaceObject(IID_IMainMenu)
    , m_core(core)
    , m_menu(menu)
{
}

IMenuItems *TIMainMenu::GetMenuItems()
{
    return m_menu ? new TIMenuItems(m_core, m_menu) : nullptr;
}

IMenuItem *TIMainMenu::InsertMenuItem(const TVYRAMenuItemInfo &info)
{
    QAction *item = TPluginMenuInserter::Insert(m_core, m_menu, info);
    return item ? new TIMenuItem(m_core, item) : nullptr;
}
