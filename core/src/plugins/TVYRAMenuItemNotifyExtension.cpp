#include "plugins/TVYRAMenuItemNotifyExtension.h"

#include "plugins/TIMenuItem.h"
#include "utils/VYRAExceptions.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

TVYRAMenuItemNotifyExtension::TVYRAMenuItemNotifyExtension(TVYRACore *core, QAction *item,
                                                           const QString &propertyName)
    : m_core(core)
    , m_item(item)
    , m_property(propertyName)
{
    const bool known = propertyName == QLatin1String("OnClick") || propertyName == QLatin1String("OnUpdate");
    if (!item || !known)
        throw EVYRAInvalidOperation(QStringLiteral("Method property \"%1\" was not found in class \"%2\".")
                                        .arg(propertyName, item ? QStringLiteral("QAction") : QStringLiteral("nil")));
    if (propertyName == QLatin1String("OnClick"))
        connect(item, &QAction::triggered, this, &TVYRAMenuItemNotifyExtension::Notify);
    else
        hookMenus();
}

TVYRAMenuItemNotifyExtension::~TVYRAMenuItemNotifyExtension()
{
    ReleaseListeners();
}

void TVYRAMenuItemNotifyExtension::hookMenus()
{
    for (QObject *holder : m_item->associatedObjects())
        if (auto *menu = qobject_cast<QMenu *>(holder))
            connect(menu, &QMenu::aboutToShow, this, &TVYRAMenuItemNotifyExtension::Notify);
}

void TVYRAMenuItemNotifyExtension::RegisterListener(INotifyEvent *listener)
{
    if (!listener || std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end())
        return;
    listener->addRef();
    m_listeners.push_back(listener);
}

void TVYRAMenuItemNotifyExtension::UnRegisterListener(INotifyEvent *listener)
{
    const auto found = std::find(m_listeners.begin(), m_listeners.end(), listener);
    if (found == m_listeners.end())
        return;
    m_listeners.erase(found);
    try {
        listener->release();
    } catch (...) {
        // Gone from the list either way.
    }
}

void TVYRAMenuItemNotifyExtension::ReleaseListeners()
{
    std::vector<INotifyEvent *> listeners;
    listeners.swap(m_listeners);
    for (INotifyEvent *listener : listeners) {
        try {
            listener->release();
        } catch (...) {
            // A module that throws from release() has nothing more to say to us.
        }
    }
}

void TVYRAMenuItemNotifyExtension::Notify()
{
    if (!m_item)
        return;
    // A listener may register or unregister others while it runs.
    const std::vector<INotifyEvent *> listeners = m_listeners;
    auto *wrapper = new TIMenuItem(m_core, m_item);
    for (INotifyEvent *listener : listeners) {
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
            continue;
        try {
            listener->OnNotify(wrapper);
        } catch (...) {
            UnRegisterListener(listener);
        }
    }
    wrapper->release();
}
