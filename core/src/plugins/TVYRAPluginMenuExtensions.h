#pragma once

#include "plugins/TVYRAMenuItemExtensionList.h"
#include "vyra_export.h"

// The click and update listeners plug-ins hang on menu items.
class VYRA_EXPORT TVYRAPluginMenuExtensions
{
public:
    explicit TVYRAPluginMenuExtensions(TVYRACore *core)
        : Click(core, QStringLiteral("OnClick"))
        , Update(core, QStringLiteral("OnUpdate"))
    {
    }
    void Clear()
    {
        Click.Clear();
        Update.Clear();
    }

    TVYRAMenuItemExtensionList Click;
    TVYRAMenuItemExtensionList Update;
};
