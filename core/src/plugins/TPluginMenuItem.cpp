#include "plugins/TPluginMenuItem.h"

#include "plugins/TDefaultNotificationHandler.h"
#include "plugins/TVYRAPluginMenuExtensions.h"

TPluginMenuItem::TPluginMenuItem(TVYRAPluginMenuExtensions &extensions, QAction *item)
    : m_extensions(extensions)
    , m_item(item)
{
}

TPluginMenuItem::~TPluginMenuItem()
{
    replace(true, nullptr);
    replace(false, nullptr);
}

void TPluginMenuItem::replace(bool click, INotifyEvent *listener)
{
    TVYRAMenuItemExtensionList &list = click ? m_extensions.Click : m_extensions.Update;
    INotifyEvent *&current = click ? m_onClick : m_onUpdate;
    if (current) {
        list.DeleteHandler(m_item, current);
        try {
            current->release();
        } catch (...) {
        }
        current = nullptr;
    }
    if (!listener || !m_item)
        return;
    list.AddHandler(m_item, listener);
    listener->addRef();
    current = listener;
}

void TPluginMenuItem::ISetOnMenuClick(INotifyEvent *listener)
{
    replace(true, listener);
}

void TPluginMenuItem::ISetOnMenuUpdate(INotifyEvent *listener)
{
    replace(false, listener);
}

void TPluginMenuItem::SetOnMenuClick(std::function<void(IVYRAUnknown *)> handler)
{
    auto *wrapper = new TDefaultNotificationHandler(std::move(handler));
    replace(true, wrapper);
    wrapper->release();
}

void TPluginMenuItem::SetOnMenuUpdate(std::function<void(IVYRAUnknown *)> handler)
{
    auto *wrapper = new TDefaultNotificationHandler(std::move(handler));
    replace(false, wrapper);
    wrapper->release();
}
