#pragma once

#include "VYRAPluginInterfaces.h"
#include "vyra_export.h"

#include <QPointer>
#include <functional>

#include <QAction>
class TVYRAPluginMenuExtensions;

// Ties a menu item made for a plug-in to its current click and update
// listeners. Setting a new listener removes the previous one, so only the
// current listener fires; the record holds a reference to each.
class VYRA_EXPORT TPluginMenuItem
{
public:
    TPluginMenuItem(TVYRAPluginMenuExtensions &extensions, QAction *item);
    ~TPluginMenuItem();
    TPluginMenuItem(const TPluginMenuItem &) = delete;
    TPluginMenuItem &operator=(const TPluginMenuItem &) = delete;

    void ISetOnMenuClick(INotifyEvent *listener);
    void ISetOnMenuUpdate(INotifyEvent *listener);
    void SetOnMenuClick(std::function<void(IVYRAUnknown *)> handler);
    void SetOnMenuUpdate(std::function<void(IVYRAUnknown *)> handler);

    QAction *Item() const { return m_item; }
    INotifyEvent *OnClick() const { return m_onClick; }
    INotifyEvent *OnUpdate() const { return m_onUpdate; }

private:
    void replace(bool click, INotifyEvent *listener);

    TVYRAPluginMenuExtensions &m_extensions;
    QPointer<QAction> m_item;
    INotifyEvent *m_onClick = nullptr;
    INotifyEvent *m_onUpdate = nullptr;
};
