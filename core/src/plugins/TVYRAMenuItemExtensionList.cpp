#include "plugins/TVYRAMenuItemExtensionList.h"

#include "plugins/TVYRAMenuItemNotifyExtension.h"

#include <algorithm>

TVYRAMenuItemExtensionList::TVYRAMenuItemExtensionList(TVYRACore *core, QString propertyName)
    : m_core(core)
    , m_property(std::move(propertyName))
{
}

TVYRAMenuItemExtensionList::~TVYRAMenuItemExtensionList() = default;

TVYRAMenuItemNotifyExtension *TVYRAMenuItemExtensionList::Find(QAction *item) const
{
    for (const auto &extension : m_extensions)
        if (extension->Item() == item && item)
            return extension.get();
    return nullptr;
}

void TVYRAMenuItemExtensionList::AddHandler(QAction *item, INotifyEvent *listener)
{
    if (TVYRAMenuItemNotifyExtension *extension = Find(item)) {
        extension->RegisterListener(listener);
        return;
    }
    auto extension = std::make_unique<TVYRAMenuItemNotifyExtension>(m_core, item, m_property);
    extension->RegisterListener(listener);
    m_extensions.push_back(std::move(extension));
}

void TVYRAMenuItemExtensionList::DeleteHandler(QAction *item, INotifyEvent *listener)
{
    if (TVYRAMenuItemNotifyExtension *extension = Find(item))
        extension->UnRegisterListener(listener);
}

void TVYRAMenuItemExtensionList::RemoveItem(QAction *item)
{
    std::erase_if(m_extensions, [item](const auto &extension) { return extension->Item() == item; });
}

void TVYRAMenuItemExtensionList::Clear()
{
    for (const auto &extension : m_extensions)
        extension->ReleaseListeners();
    m_extensions.clear();
}

int TVYRAMenuItemExtensionList::ListenerCount() const
{
    int count = 0;
    for (const auto &extension : m_extensions)
        count += extension->Count();
    return count;
}
