#include "plugins/TVYRAPlugins.h"

#include "framework/TVYRACore.h"
#include "plugins/TPluginMenuItems.h"
#include "plugins/TVYRAPlugin.h"
#include "plugins/TVYRAPluginMenuExtensions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

TVYRAPlugins::TVYRAPlugins(TVYRACore &core, QSet<TVYRAPluginType> allowedTypes)
    : m_core(core)
    , m_allowed(std::move(allowedTypes))
{
}

TVYRAPlugins::~TVYRAPlugins()
{
    UnloadAll();
}

QSet<TVYRAPluginType> TVYRAPlugins::AllTypes()
{
    return {TVYRAPluginType::ptVYRA, TVYRAPluginType::ptPhase5, TVYRAPluginType::ptLoomexslave};
}

QStringList TVYRAPlugins::Folders() const
{
    return {m_core.PluginDir(), m_core.UserDataDir() + QStringLiteral("Plugins/")};
}

TVYRAPlugin *TVYRAPlugins::Items(int index) const
{
    return index >= 0 && index < Count() ? m_items[size_t(index)].get() : nullptr;
}

bool TVYRAPlugins::allowed(const QString &fileName) const
{
    return m_allowed.contains(AllTypes()) || m_allowed.contains(DeterminePluginType(fileName));
}

TVYRAPlugin *TVYRAPlugins::append(const QString &fileName)
{
    if (m_onLoad)
        m_onLoad(*this, fileName);
    m_items.push_back(std::make_unique<TVYRAPlugin>(m_core, fileName, m_menuPosition));
    return m_items.back().get();
}

void TVYRAPlugins::LoadPlugIns()
{
    for (const QString &folder : Folders()) {
        const QFileInfoList files =
            QDir(folder).entryInfoList({QStringLiteral("*.so")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo &file : files) {
            if (IsPluginLoaded(file.fileName()) || !allowed(file.filePath()))
                continue;
            append(file.filePath());
        }
    }
}

TVYRAPlugin *TVYRAPlugins::LoadPlugin(const QString &fileName, bool installIfMissing)
{
    const QString name = QFileInfo(fileName).fileName();
    const QString target = m_core.PluginDir() + name;
    if (!QFileInfo::exists(target)) {
        if (installIfMissing && InstallPlugin(fileName) == 0)
            return LoadPlugin(target, false);
        return nullptr;
    }
    const int index = FindLoadedPlugin(name);
    TVYRAPlugin *plugin = Items(index);
    if (plugin && plugin->Active())
        return plugin;
    if (!allowed(target))
        return nullptr;
    if (!plugin)
        return append(target);
    plugin->Load();
    return plugin;
}

int TVYRAPlugins::InstallPlugin(const QString &fileName)
{
    const QString target = m_core.PluginDir() + QFileInfo(fileName).fileName();
    if (QFileInfo(fileName).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        return 0;
    QDir().mkpath(m_core.PluginDir());
    return QFile::copy(fileName, target) ? 0 : 1;
}

int TVYRAPlugins::FindLoadedPlugin(const QString &fileName) const
{
    const QString name = QFileInfo(fileName).fileName();
    for (int i = 0; i < Count(); ++i)
        if (QFileInfo(m_items[size_t(i)]->FileName()).fileName().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TVYRAPluginType TVYRAPlugins::DeterminePluginType(const QString &fileName)
{
    QLibrary library(fileName);
    if (!library.load())
        return TVYRAPluginType::ptNone;
    TVYRAPluginType type = TVYRAPluginType::ptNone;
    if (library.resolve("LoadPlugIn"))
        type = TVYRAPluginType::ptVYRA;
    else if (library.resolve("pluginStart"))
        type = TVYRAPluginType::ptPhase5;
    else if (library.resolve("Start_Plugin"))
        type = TVYRAPluginType::ptLoomexslave;
    library.unload();
    return type;
}

void TVYRAPlugins::UnloadAll()
{
    // Listeners are module objects: they go while every module is still there.
    m_core.PluginObjects().Clear();
    m_core.PluginMenuExtensions().Clear();
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it)
        (*it)->Unload();
    m_items.clear();
}
