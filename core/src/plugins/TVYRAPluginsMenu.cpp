#include "plugins/TVYRAPluginsMenu.h"

#include "framework/TVYRACore.h"
#include "plugins/PluginStrings.h"
#include "plugins/TDefaultNotificationHandler.h"
#include "plugins/TIMenuItems.h"
#include "plugins/TPluginMenuInserter.h"
#include "plugins/TPluginMenuItems.h"
#include "plugins/TVYRAPluginEvents.h"

#include <QAction>
#include <QMenu>

namespace {

const QString PluginsMenuName = QStringLiteral("mmPlugins");

QString sanitised(const QString &caption)
{
    QString name;
    for (const QChar c : caption)
        if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || c == QLatin1Char('_'))
            name += c;
    return name;
}

TVYRAMenuItemInfo info(int index, const QString &caption, const QString &hint, const QString &name,
                       bool subMenu, INotifyEvent *onClick)
{
    return {index, PluginStrings::In(caption), PluginStrings::In(hint), PluginStrings::In(name), 0, 0, -1,
            subMenu ? VYRA_TRUE : VYRA_FALSE, onClick, nullptr};
}

} // namespace

QString TVYRAPluginsMenu::EntryName(const QString &prefix, const QString &caption)
{
    return prefix + sanitised(caption);
}

QAction *TVYRAPluginsMenu::AddEntry(TVYRACore &core, int position, const QString &caption, const QString &hint,
                                    const QString &namePrefix, std::function<void()> onClick)
{
    const TVYRAPluginEvents &events = core.PluginEvents();
    QWidget *mainMenu = events.OnRequestMenu ? events.OnRequestMenu(TVYRAMenuKind::mkMainMenu) : nullptr;
    if (!mainMenu)
        return nullptr;
    QAction *plugins = TIMenuItems::FindAction(mainMenu, PluginsMenuName);
    if (!plugins || !plugins->menu()) {
        const QString caption = QStringLiteral("Plugins");
        const QString hint = QStringLiteral("EPS / Loomexslave Plugins");
        plugins = TPluginMenuInserter::Insert(&core, mainMenu, info(position, caption, hint, PluginsMenuName, true,
                                                                    nullptr));
        if (!plugins)
            return nullptr;
    }
    // Two files may differ only in characters the name drops ("tool1", "tool2").
    const QString base = EntryName(namePrefix, caption);
    QString name = base;
    for (int counter = 2; TIMenuItems::FindAction(plugins->menu(), name); ++counter)
        name = base + QString::number(counter);
    auto *handler = new TDefaultNotificationHandler([onClick](IVYRAUnknown *) { onClick(); });
    QAction *entry = TPluginMenuInserter::Insert(&core, plugins->menu(), info(-1, caption, hint, name, false, handler));
    handler->release();
    return entry;
}

void TVYRAPluginsMenu::RemoveEntry(TVYRACore &core, QAction *entry)
{
    if (entry)
        core.PluginObjects().Remove(entry);
}
