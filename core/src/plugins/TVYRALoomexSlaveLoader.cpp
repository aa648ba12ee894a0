#include "plugins/TVYRALoomexSlaveLoader.h"

#include "framework/TVYRACore.h"
#include "plugins/TVYRADefaultPlugin.h"
#include "plugins/TVYRALoomexCallBack.h"
#include "ui/TPrompter.h"
#include "utils/Windows1252.h"

#include <QFileInfo>

namespace {

constexpr int SlaveInterfaceVersion = 3;

} // namespace

TVYRALoomexSlaveLoader::TVYRALoomexSlaveLoader(TVYRACore &core, const QString &fileName, TVYRADefaultPlugin &plugin,
                                               int menuPosition)
    : TVYRAForeignModule(core, fileName, plugin, menuPosition)
{
    TVYRALoomexCallBack::SetCore(&core);
}

bool TVYRALoomexSlaveLoader::Load()
{
    if (!m_library.load())
        return false;
    m_start = reinterpret_cast<TVYRASlaveStart>(m_library.resolve("Start_Plugin"));
    auto version = reinterpret_cast<TVYRAEPSInt>(m_library.resolve("Init_InterfaceVersion"));
    if (!m_start || !version || version() != SlaveInterfaceVersion) {
        unload();
        return false;
    }
    m_plugin.SetName(QFileInfo(m_fileName).completeBaseName());
    if (auto info = reinterpret_cast<TVYRAEPSInfo>(m_library.resolve("pluginInfo"))) {
        auto text = [info](int index) {
            const char *value = info(index);
            return value ? fromWindows1252(QByteArray(value)) : QString();
        };
        m_plugin.SetName(text(0));
        m_plugin.SetComment(text(3));
        m_plugin.SetAuthor(text(5));
        m_plugin.SetInterfaceVersion(3.0);
    }
    addMenuEntry(m_plugin.GetNameText(), QStringLiteral("Loomexslave Plugin"), QStringLiteral("mmLoomexSlave_"),
                 [this] { Execute(); });
    return true;
}

void TVYRALoomexSlaveLoader::Execute()
{
    if (!m_start)
        return;
    TVYRALoomexCallBack::SetCore(&m_core);
    try {
        m_start(m_core.GetHandle(), 0, &TVYRALoomexCallBack::CallBack);
    } catch (...) {
        TPrompter::instance().error(QStringLiteral("Das Zusatzmodul \"%1\" ist bei der Ausführung gescheitert.")
                                        .arg(QFileInfo(m_fileName).fileName()));
    }
}
