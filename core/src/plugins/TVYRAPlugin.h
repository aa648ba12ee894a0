#pragma once

#include "VYRAPluginInterfaces.h"
#include "plugins/TVYRAPluginTypes.h"
#include "vyra_export.h"

#include <QLibrary>
#include <QString>
#include <memory>

class TVYRACore;
class TVYRADefaultPlugin;
class TVYRAEPSLoader;
class TVYRALoomexSlaveLoader;

// One plug-in module and what the host keeps of it. Loading never throws: a
// module that cannot be used is kept with its error as the comment of a
// default IPlugin, marked plsLoadError and inactive.
class VYRA_EXPORT TVYRAPlugin
{
public:
    static constexpr intptr_t Released = -1;

    // Loads the module at once.
    TVYRAPlugin(TVYRACore &core, const QString &fileName, int menuPosition);
    ~TVYRAPlugin();
    TVYRAPlugin(const TVYRAPlugin &) = delete;
    TVYRAPlugin &operator=(const TVYRAPlugin &) = delete;

    void Load();
    // Releases every interface the module gave us, then unloads it.
    void Unload();

    QString FileName() const { return m_fileName; }
    // 0 when loading failed at once, Released after the library was let go,
    // else a positive value.
    intptr_t LibraryHandle() const { return m_libraryHandle; }
    IPlugin *Plugin() const { return m_plugin; }
    TVYRAPluginLoadState LoadState() const { return m_loadState; }
    bool Active() const { return m_active; }
    // A plug-in that threw from EventHandler is asked no more.
    void Disable();
    QString Name() const;
    QString ErrorText() const { return m_error; }
    TVYRAPluginType Kind() const { return m_kind; }

private:
    void loadFramework(QFunctionPointer initialise);
    void loadForeign(bool hasLoadPlugIn);
    void fail(const QString &message);
    void releaseLibrary();
    void releasePlugin();

    TVYRACore &m_core;
    QString m_fileName;
    int m_menuPosition;
    std::unique_ptr<QLibrary> m_library;
    intptr_t m_libraryHandle = 0;
    IPlugin *m_plugin = nullptr;
    TVYRADefaultPlugin *m_default = nullptr; // m_plugin when the host made it
    std::unique_ptr<TVYRAEPSLoader> m_eps;
    std::unique_ptr<TVYRALoomexSlaveLoader> m_slave;
    TVYRAPluginLoadState m_loadState;
    bool m_active = false;
    QString m_error;
    TVYRAPluginType m_kind = TVYRAPluginType::ptNone;
};
