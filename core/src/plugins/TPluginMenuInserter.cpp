#include "plugins/TPluginMenuInserter.h"

#include "framework/TVYRACore.h"
#include "plugins/PluginStrings.h"
#include "plugins/TPluginMenuItem.h"
#include "plugins/TPluginMenuItems.h"
#include "plugins/TVYRAPluginEvents.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

QAction *TPluginMenuInserter::Insert(TVYRACore *core, QWidget *container, const TVYRAMenuItemSpec &spec)
{
    if (!core || !container || !(qobject_cast<QMenu *>(container) || qobject_cast<QMenuBar *>(container)))
        return nullptr;
    try {
        const QString caption = PluginStrings::FromIn(spec.caption);
        QAction *item = nullptr;
        if (spec.isSubMenu) {
            auto *menu = new QMenu(caption, container);
            menu->setObjectName(PluginStrings::FromIn(spec.name));
            item = menu->menuAction();
        } else {
            item = new QAction(caption, container);
        }
        item->setObjectName(PluginStrings::FromIn(spec.name));
        item->setStatusTip(PluginStrings::FromIn(spec.hint));
        item->setToolTip(PluginStrings::FromIn(spec.hint));
        item->setProperty("vyraTag", spec.tag);
        item->setProperty("vyraImageIndex", spec.imageIndex);
        item->setProperty("vyraShortCut", int(spec.shortCut));
        const TVYRAPluginEvents &events = core->PluginEvents();
        if (spec.shortCut != 0 && events.ShortCutToKeys)
            item->setShortcut(events.ShortCutToKeys(spec.shortCut));
        const QList<QAction *> siblings = container->actions();
        QAction *before = spec.index >= 0 ? siblings.value(spec.index, nullptr) : nullptr;
        container->insertAction(before, item);
        if (events.OnPluginMenuItemCreated)
            events.OnPluginMenuItemCreated(item);
        TPluginMenuItem *record = core->PluginObjects().Add(item);
        record->ISetOnMenuClick(spec.onClick);
        record->ISetOnMenuUpdate(spec.onUpdate);
        return item;
    } catch (...) {
        return nullptr;
    }
}
