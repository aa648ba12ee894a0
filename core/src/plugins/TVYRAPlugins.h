#pragma once

#include "plugins/TVYRAPluginTypes.h"
#include "vyra_export.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class TVYRACore;
class TVYRAPlugin;

// The plug-in modules of a core: every "*.so" directly in the program's
// plug-in folder, then those in the user's plug-in folder whose names are
// not taken yet. Failed modules stay in the list with their error.
class VYRA_EXPORT TVYRAPlugins
{
public:
    using TLoadEvent = std::function<void(TVYRAPlugins &plugins, const QString &fileName)>;

    TVYRAPlugins(TVYRACore &core, QSet<TVYRAPluginType> allowedTypes);
    ~TVYRAPlugins();

    static QSet<TVYRAPluginType> AllTypes();

    void LoadPlugIns();
    // Looks FileName up in the plug-in folder by its name part; with
    // installIfMissing a file not there is copied in first. nullptr when the
    // file is missing or its kind is not allowed.
    TVYRAPlugin *LoadPlugin(const QString &fileName, bool installIfMissing);
    // 0 when FileName was copied into the plug-in folder.
    int InstallPlugin(const QString &fileName);
    // Index of the plug-in with that file name (folder ignored, case-insensitive), else -1.
    int FindLoadedPlugin(const QString &fileName) const;
    bool IsPluginLoaded(const QString &fileName) const { return FindLoadedPlugin(fileName) >= 0; }
    static TVYRAPluginType DeterminePluginType(const QString &fileName);

    // Releases every interface plug-ins were given or gave (menu listeners
    // first, then each IPlugin), then unloads the modules.
    void UnloadAll();

    int Count() const { return int(m_items.size()); }
    TVYRAPlugin *Items(int index) const;
    QStringList Folders() const;

    void SetAllowedTypes(const QSet<TVYRAPluginType> &types) { m_allowed = types; }
    const QSet<TVYRAPluginType> &AllowedTypes() const { return m_allowed; }
    int PluginMenuPosition() const { return m_menuPosition; }
    void SetPluginMenuPosition(int position) { m_menuPosition = position; }
    void SetOnLoadPlugin(TLoadEvent event) { m_onLoad = std::move(event); }

private:
    bool allowed(const QString &fileName) const;
    TVYRAPlugin *append(const QString &fileName);

    TVYRACore &m_core;
    QSet<TVYRAPluginType> m_allowed;
    int m_menuPosition = -1;
    TLoadEvent m_onLoad;
    std::vector<std::unique_ptr<TVYRAPlugin>> m_items;
};
