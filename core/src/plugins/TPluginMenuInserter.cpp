#include "plugins/TPluginMenuInserter.h"

#include "framework/TVYRACore.h"
#include "plugins/PluginStrings.h"
#include "plugins/TPluginMenuItem.h"
#include "plugins/TPluginMenuItems.h"
#include "plugins/TVYRAPluginEvents.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

QAction *TPluginMenuInserter::Insert(TVYRACore *core, QWidget *container, const TVYRAMenuItemInfo &info)
{
    if (!core || !container || !(qobject_cast<QMenu *>(container) || qobject_cast<QMenuBar *>(container)))
        return nullptr;
    try {
        const QString caption = PluginStrings::FromIn(info.caption);
        QAction *item = nullptr;
        if (info.isSubMenu) {
            auto *menu = new QMenu(caption, container);
            menu->setObjectName(PluginStrings::FromIn(info.name));
            item = menu->menuAction();
        } else {
            item = new QAction(caption, container);
        }
        item->setObjectName(PluginStrings::FromIn(info.name));
        item->setStatusTip(PluginStrings::FromIn(info.hint));
        item->setToolTip(PluginStrings::FromIn(info.hint));
        item->setProperty("vyraTag", info.tag);
        item->setProperty("vyraImageIndex", info.imageIndex);
        item->setProperty("vyraShortCut", int(info.shortCut));
        const TVYRAPluginEvents &events = core->PluginEvents();
        if (info.shortCut != 0 && events.ShortCutToKeys)
            item->setShortcut(events.ShortCutToKeys(info.shortCut));
        const QList<QAction *> siblings = container->actions();
        QAction *before = info.index >= 0 ? siblings.value(info.index, nullptr) : nullptr;
        container->insertAction(before, item);
        if (events.OnPluginMenuItemCreated)
            events.OnPluginMenuItemCreated(item);
        TPluginMenuItem *record = core->PluginObjects().Add(item);
        record->ISetOnMenuClick(info.onClick);
        record->ISetOnMenuUpdate(info.onUpdate);
        return item;
    } catch (...) {
        return nullptr;
    }
}
