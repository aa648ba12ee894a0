#pragma once

#include "VYRAForeignPlugins.h"
#include "vyra_export.h"

#include <QLibrary>
#include <QPointer>
#include <QString>

#include <QAction>
class TVYRACore;
class TVYRADefaultPlugin;

// A numbered call-back plug-in ("Start_Plugin"): its entry in the "Plugins"
// menu starts the module, which then drives the editor through
// TVYRALoomexCallBack.
class VYRA_EXPORT TVYRALoomexSlaveLoader
{
public:
    TVYRALoomexSlaveLoader(TVYRACore &core, const QString &fileName, TVYRADefaultPlugin &plugin, int menuPosition);
    ~TVYRALoomexSlaveLoader();

    // False when the module is no such plug-in or not of version 3.
    bool Load();
    void Execute();
    QAction *MenuItem() const { return m_menuItem; }

private:
    void unload();

    TVYRACore &m_core;
    QString m_fileName;
    TVYRADefaultPlugin &m_plugin;
    int m_menuPosition;
    QLibrary m_library;
    TVYRASlaveStart m_start = nullptr;
    QPointer<QAction> m_menuItem;
};
