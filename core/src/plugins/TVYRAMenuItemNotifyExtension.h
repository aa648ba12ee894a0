#pragma once

#include "VYRAPluginInterfaces.h"
#include "vyra_export.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <vector>

#include <QAction>
class TVYRACore;

// The plug-in listeners of one menu item and one event. "OnClick" fires when
// the action is triggered, after the host's own handler (which the window
// connected when it made the action); "OnUpdate" fires when a menu showing
// the item is about to open. Listeners run in registration order, each with a
// new IMenuItem of the item; one that throws is dropped.
class VYRA_EXPORT TVYRAMenuItemNotifyExtension : public QObject
{
    Q_OBJECT
public:
    // Raises EVYRAInvalidOperation when the item has no such event.
    TVYRAMenuItemNotifyExtension(TVYRACore *core, QAction *item, const QString &propertyName);
    ~TVYRAMenuItemNotifyExtension() override;

    // A listener registered twice keeps one entry; each entry holds a reference.
    void RegisterListener(INotifyEvent *listener);
    void UnRegisterListener(INotifyEvent *listener);
    void ReleaseListeners();
    int Count() const { return int(m_listeners.size()); }
    QAction *Item() const { return m_item; }

    void Notify();

private:
    void hookMenus();

    TVYRACore *m_core;
    QPointer<QAction> m_item;
    QString m_property;
    std::vector<INotifyEvent *> m_listeners;
};
