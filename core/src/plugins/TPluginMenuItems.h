#pragma once

#include "vyra_export.h"

#include <memory>
#include <vector>

class QAction;
class TPluginMenuItem;
class TVYRAPluginMenuExtensions;

// The menu items plug-ins inserted (the core's PluginObjects), found by the
// identity of their action, never by name: two plug-ins may use one name.
class VYRA_EXPORT TPluginMenuItems
{
public:
    explicit TPluginMenuItems(TVYRAPluginMenuExtensions &extensions);
    ~TPluginMenuItems();

    TPluginMenuItem *Add(QAction *item);
    TPluginMenuItem *Find(const QAction *item) const;
    // Drops the record with every listener of the item and deletes the
    // action; false when the item is not one a plug-in inserted.
    bool Remove(QAction *item);
    // Releases every listener; the actions stay with the window.
    void Clear();
    int Count() const { return int(m_items.size()); }

private:
    TVYRAPluginMenuExtensions &m_extensions;
    std::vector<std::unique_ptr<TPluginMenuItem>> m_items;
};
