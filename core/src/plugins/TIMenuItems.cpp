#include "plugins/TIMenuItems.h"

#include "framework/TVYRACore.h"
#include "plugins/PluginStrings.h"
#include "plugins/TIMenuItem.h"
#include "plugins/TPluginMenuItems.h"

#include <QAction>

TIMenuItems::TIMenuItems(TVYRACore *core, QWidget *container)
    : TVYRAInterfaceObject(IID_IMenuItems)
    , m_core(core)
    , m_container(container)
{
}

int32_t TIMenuItems::GetCount()
{
    return m_container ? int32_t(m_container->actions().size()) : 0;
}

IMenuItem *TIMenuItems::GetItem(int32_t index)
{
    if (!m_container)
        return nullptr;
    QAction *item = m_container->actions().value(index, nullptr);
    return item ? new TIMenuItem(m_core, item) : nullptr;
}

QAction *TIMenuItems::FindAction(QWidget *container, const QString &name)
{
    if (!container)
        return nullptr;
    for (QAction *item : container->actions())
        if (item->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return item;
    return nullptr;
}

IMenuItem *TIMenuItems::FindItem(TVYRAStringIn name)
{
    QAction *item = FindAction(m_container, PluginStrings::FromIn(name));
    return item ? new TIMenuItem(m_core, item) : nullptr;
}

int32_t TIMenuItems::RemoveItem(IMenuItem *item)
{
    QAction *action = TIMenuItem::ActionOf(item);
    return action && m_core->PluginObjects().Remove(action) ? -1 : 0;
}
