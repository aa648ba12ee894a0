#pragma once

#include "VYRAPluginInterfaces.h"
#include "plugins/TVYRAInterfaceObject.h"

#include <functional>

// A listener made of host code: forwards OnNotify to a function.
class TDefaultNotificationHandler final : public TVYRAInterfaceObject<INotifyEvent>
{
public:
    using THandler = std::function<void(IVYRAUnknown *sender)>;
    explicit TDefaultNotificationHandler(THandler handler)
        : TVYRAInterfaceObject(IID_INotifyEvent)
        , m_handler(std::move(handler))
    {
    }
    void OnNotify(IVYRAUnknown *sender) override
    {
        if (m_handler)
            m_handler(sender);
    }

private:
    THandler m_handler;
};
