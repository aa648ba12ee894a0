#pragma once

#include "VYRAPluginInterfaces.h"
#include "vyra_export.h"

#include <QString>
#include <memory>
#include <vector>

class QAction;
class TVYRACore;
class TVYRAMenuItemNotifyExtension;

// The notify extensions of one event ("OnClick" or "OnUpdate"), one per menu item.
class VYRA_EXPORT TVYRAMenuItemExtensionList
{
public:
    TVYRAMenuItemExtensionList(TVYRACore *core, QString propertyName);
    ~TVYRAMenuItemExtensionList();

    // Creates the item's extension on its first listener (raising
    // EVYRAInvalidOperation when the item cannot have one).
    void AddHandler(QAction *item, INotifyEvent *listener);
    void DeleteHandler(QAction *item, INotifyEvent *listener);
    // Drops the item's extension with all its listeners.
    void RemoveItem(QAction *item);
    // Releases every listener of every item.
    void Clear();

    TVYRAMenuItemNotifyExtension *Find(QAction *item) const;
    const QString &PropertyName() const { return m_property; }
    int ListenerCount() const;

private:
    TVYRACore *m_core;
    QString m_property;
    std::vector<std::unique_ptr<TVYRAMenuItemNotifyExtension>> m_extensions;
};
