#pragma once

#include "vyra_export.h"

#include <QAction>
#include <QLibrary>
#include <QPointer>
#include <QString>
#include <functional>

class TVYRACore;
class TVYRADefaultPlugin;

// What the loaders of the foreign plug-in kinds share: the module's library
// and its entry in the "Plugins" menu, both gone when the loader goes.
class VYRA_EXPORT TVYRAForeignModule
{
public:
    QAction *MenuItem() const { return m_menuItem; }

protected:
    // plugin: the default IPlugin the loader fills (not owned).
    TVYRAForeignModule(TVYRACore &core, const QString &fileName, TVYRADefaultPlugin &plugin, int menuPosition);
    ~TVYRAForeignModule();
    TVYRAForeignModule(const TVYRAForeignModule &) = delete;
    TVYRAForeignModule &operator=(const TVYRAForeignModule &) = delete;

    // Removes the menu entry and unloads the library.
    void unload();
    void addMenuEntry(const QString &caption, const QString &hint, const QString &namePrefix,
                      std::function<void()> onClick);

    TVYRACore &m_core;
    QString m_fileName;
    TVYRADefaultPlugin &m_plugin;
    int m_menuPosition;
    QLibrary m_library;
    QPointer<QAction> m_menuItem;
};
