#include "plugins/TPluginMenuItems.h"

#include "plugins/TPluginMenuItem.h"
#include "plugins/TVYRAPluginMenuExtensions.h"

#include <QAction>
#include <QMenu>

TPluginMenuItems::TPluginMenuItems(TVYRAPluginMenuExtensions &extensions)
    : m_extensions(extensions)
{
}

TPluginMenuItems::~TPluginMenuItems() = default;

TPluginMenuItem *TPluginMenuItems::Add(QAction *item)
{
    m_items.push_back(std::make_unique<TPluginMenuItem>(m_extensions, item));
    return m_items.back().get();
}

TPluginMenuItem *TPluginMenuItems::Find(const QAction *item) const
{
    for (const auto &record : m_items)
        if (item && record->Item() == item)
            return record.get();
    return nullptr;
}

bool TPluginMenuItems::Remove(QAction *item)
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [item](const auto &record) { return item && record->Item() == item; });
    if (found == m_items.end())
        return false;
    m_items.erase(found);
    // Listeners others registered on the item go with it.
    m_extensions.Click.RemoveItem(item);
    m_extensions.Update.RemoveItem(item);
    if (QMenu *menu = item->menu())
        delete menu; // a submenu's action belongs to its menu
    else
        delete item;
    return true;
}

void TPluginMenuItems::Clear()
{
    m_items.clear();
}
