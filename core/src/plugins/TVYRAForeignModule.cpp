#include "plugins/TVYRAForeignModule.h"

#include "plugins/TVYRAPluginsMenu.h"

TVYRAForeignModule::TVYRAForeignModule(TVYRACore &core, const QString &fileName, TVYRADefaultPlugin &plugin,
                                       int menuPosition)
    : m_core(core)
    , m_fileName(fileName)
    , m_plugin(plugin)
    , m_menuPosition(menuPosition)
    , m_library(fileName)
{
}

TVYRAForeignModule::~TVYRAForeignModule()
{
    unload();
}

void TVYRAForeignModule::unload()
{
    TVYRAPluginsMenu::RemoveEntry(m_core, m_menuItem);
    m_menuItem = nullptr;
    if (m_library.isLoaded())
        m_library.unload();
}

void TVYRAForeignModule::addMenuEntry(const QString &caption, const QString &hint, const QString &namePrefix,
                                      std::function<void()> onClick)
{
    m_menuItem = TVYRAPluginsMenu::AddEntry(m_core, m_menuPosition, caption, hint, namePrefix, std::move(onClick));
}
