#pragma once

#include "VYRAForeignPlugins.h"
#include "plugins/TVYRAForeignModule.h"
#include "vyra_export.h"

#include <QString>

// A numbered call-back plug-in ("Start_Plugin"): its entry in the "Plugins"
// menu starts the module, which then drives the editor through
// TVYRALoomexCallBack.
class VYRA_EXPORT TVYRALoomexSlaveLoader : public TVYRAForeignModule
{
public:
    TVYRALoomexSlaveLoader(TVYRACore &core, const QString &fileName, TVYRADefaultPlugin &plugin, int menuPosition);

    // False when the module is no such plug-in or not of version 3.
    bool Load();
    void Execute();

private:
    TVYRASlaveStart m_start = nullptr;
};
