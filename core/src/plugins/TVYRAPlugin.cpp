#include "plugins/TVYRAPlugin.h"

#include "framework/TVYRACore.h"
#include "plugins/PluginStrings.h"
#include "plugins/TIApplication.h"
#include "plugins/TVYRADefaultPlugin.h"
#include "plugins/TVYRAEPSLoader.h"
#include "plugins/TVYRALoomexSlaveLoader.h"
#include "utils/VYRAExceptions.h"

#include <QFileInfo>
#include <QUuid>

namespace {

QString guidText(const TVYRAGUID &id)
{
    QUuid uuid(id.Data1, id.Data2, id.Data3, id.Data4[0], id.Data4[1], id.Data4[2], id.Data4[3], id.Data4[4],
               id.Data4[5], id.Data4[6], id.Data4[7]);
    return uuid.toString(QUuid::WithBraces).toUpper();
}

QString exceptionText(const std::exception &error)
{
    if (const auto *own = dynamic_cast<const EVYRAException *>(&error))
        return own->message();
    return QString::fromLocal8Bit(error.what());
}

} // namespace

TVYRAPlugin::TVYRAPlugin(TVYRACore &core, const QString &fileName, int menuPosition)
    : m_core(core)
    , m_fileName(fileName)
    , m_menuPosition(menuPosition)
{
    Load();
}

TVYRAPlugin::~TVYRAPlugin()
{
    Unload();
}

void TVYRAPlugin::Load()
{
    Unload();
    m_loadState = {};
    m_error.clear();
    m_active = true;
    m_library = std::make_unique<QLibrary>(m_fileName);
    m_library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!m_library->load()) {
        m_libraryHandle = 0;
        fail(QStringLiteral("Plugin Loader: LoadLibrary() returned zero: ") + m_library->errorString());
        return;
    }
    m_libraryHandle = 1;
    if (QFunctionPointer initialise = m_library->resolve("InitialisePlugIn")) {
        m_kind = TVYRAPluginType::ptVYRA;
        loadFramework(initialise);
        return;
    }
    const bool hasLoadPlugIn = m_library->resolve("LoadPlugIn") != nullptr;
    releaseLibrary();
    loadForeign(hasLoadPlugIn);
}

void TVYRAPlugin::loadFramework(QFunctionPointer initialise)
{
    try {
        int32_t major = 0;
        int32_t minor = 0;
        TVYRAGUID library{};
        reinterpret_cast<TVYRAInitialisePlugIn>(initialise)(&major, &minor, &library);
        if (major != VYRA_PLUGIN_VERSION_MAJOR || minor != VYRA_PLUGIN_VERSION_MINOR
            || library != LIBID_VYRAPluginInterface) {
            releaseLibrary();
            return fail(QStringLiteral("Plugin Loader: The plugin is not compatible.\r\nExpected interface version "
                                       "'%1.%2' with Library ID: '%3', but got interface version '%4.%5' with "
                                       "Library ID: '%6.'")
                            .arg(VYRA_PLUGIN_VERSION_MAJOR)
                            .arg(VYRA_PLUGIN_VERSION_MINOR)
                            .arg(guidText(LIBID_VYRAPluginInterface))
                            .arg(major)
                            .arg(minor)
                            .arg(guidText(library)));
        }
        auto load = reinterpret_cast<TVYRALoadPlugIn>(m_library->resolve("LoadPlugIn"));
        if (!load) {
            releaseLibrary();
            return fail(QStringLiteral(
                "Plugin Loader: The required Plugin function \"LoadPlugIn\" could not be found in the DLL file."));
        }
        auto *application = new TIApplication(std::make_unique<TVYRACore>(&m_core));
        IPlugin *plugin = nullptr;
        TVYRABool loaded = VYRA_FALSE;
        try {
            loaded = load(application, &plugin);
        } catch (...) {
            application->release();
            throw;
        }
        application->release();
        if (!loaded || !plugin) {
            if (plugin)
                plugin->release();
            releaseLibrary();
            return fail(loaded ? QStringLiteral("Plugin Loader: Error loading plugin: \"LoadPlugIn\" returned no plugin.")
                               : QStringLiteral("Plugin Loader: The plugin function returned \"false\"."));
        }
        m_plugin = plugin;
    } catch (const std::exception &error) {
        releaseLibrary();
        fail(QStringLiteral("Plugin Loader: Error loading plugin: ") + exceptionText(error));
    } catch (...) {
        releaseLibrary();
        fail(QStringLiteral("Plugin Loader: Error loading plugin: unknown exception"));
    }
}

void TVYRAPlugin::loadForeign(bool hasLoadPlugIn)
{
    if (hasLoadPlugIn) {
        m_kind = TVYRAPluginType::ptVYRA;
        return fail(QStringLiteral("Plugin Loader: Plugin deprecated. You need to recompile this VYRA Plugin "
                                   "according to the recent convention for VYRA Plugins."));
    }
    m_default = new TVYRADefaultPlugin(QFileInfo(m_fileName).fileName(), QStringLiteral("Unbekannt"), QString(), 2.0);
    m_plugin = m_default;
    try {
        m_eps = std::make_unique<TVYRAEPSLoader>(m_core, m_fileName, *m_default, m_menuPosition);
        if (m_eps->Load()) {
            m_kind = TVYRAPluginType::ptPhase5;
            return;
        }
        m_eps.reset();
        m_slave = std::make_unique<TVYRALoomexSlaveLoader>(m_core, m_fileName, *m_default, m_menuPosition);
        if (m_slave->Load()) {
            m_kind = TVYRAPluginType::ptLoomexslave;
            return;
        }
        m_slave.reset();
        fail(QStringLiteral("Plugin Loader: Unsupported Plugin type."));
    } catch (const EVYRAInvalidPlugin &error) {
        m_eps.reset();
        m_slave.reset();
        fail(error.message());
    } catch (const std::exception &error) {
        m_eps.reset();
        m_slave.reset();
        fail(QStringLiteral("Plugin Loader: Generic error: ") + exceptionText(error));
    } catch (...) {
        m_eps.reset();
        m_slave.reset();
        fail(QStringLiteral("Plugin Loader: Generic error: unknown exception"));
    }
}

void TVYRAPlugin::fail(const QString &message)
{
    releasePlugin();
    m_default = new TVYRADefaultPlugin(
        m_fileName, QStringLiteral("Unknown"),
        message.isEmpty() ? QStringLiteral("Plugin Loader: Error loading this plugin.") : message, 1.0);
    m_plugin = m_default;
    m_error = m_default->GetCommentText();
    m_loadState |= TVYRAPluginLoadStateFlag::plsLoadError;
    m_active = false;
}

void TVYRAPlugin::releasePlugin()
{
    IPlugin *plugin = m_plugin;
    m_plugin = nullptr;
    m_default = nullptr;
    if (!plugin)
        return;
    try {
        plugin->release();
    } catch (...) {
        // The module is unloaded next either way.
    }
}

void TVYRAPlugin::releaseLibrary()
{
    if (m_library && m_library->isLoaded())
        m_library->unload();
    if (m_libraryHandle != 0)
        m_libraryHandle = Released;
}

void TVYRAPlugin::Unload()
{
    // Interfaces first, the module last: releasing runs the module's code.
    m_eps.reset();
    m_slave.reset();
    releasePlugin();
    releaseLibrary();
}

void TVYRAPlugin::Disable()
{
    m_active = false;
    m_loadState |= TVYRAPluginLoadStateFlag::plsDisabled;
}

QString TVYRAPlugin::Name() const
{
    if (!m_plugin)
        return QFileInfo(m_fileName).fileName();
    try {
        return PluginStrings::FromZero(m_plugin->GetName());
    } catch (...) {
        return QFileInfo(m_fileName).fileName();
    }
}
