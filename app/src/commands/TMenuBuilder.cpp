#include "commands/TMenuBuilder.h"

#include "commands/TActionRegistry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <stdexcept>

namespace {

QAction *known(const TActionRegistry &registry, const QString &name)
{
    QAction *action = registry.Action(name);
    if (!action)
        throw std::invalid_argument("menu layout names an unknown action: " + name.toStdString());
    return action;
}

QMenu *submenu(QWidget *parent, const TMenuEntry &entry)
{
    auto *menu = new QMenu(entry.caption, parent);
    menu->setObjectName(entry.name);
    return menu;
}

} // namespace

void TMenuBuilder::BuildMenuBar(QMenuBar &bar, const TActionRegistry &registry, const std::vector<TMenuEntry> &menus)
{
    for (const TMenuEntry &entry : menus) {
        if (entry.kind != TMenuEntry::TKind::mekSubmenu)
            throw std::invalid_argument("a menu bar holds menus only");
        QMenu *menu = submenu(&bar, entry);
        BuildMenu(*menu, registry, entry.children);
        bar.addMenu(menu);
    }
}

void TMenuBuilder::BuildMenu(QMenu &menu, const TActionRegistry &registry, const std::vector<TMenuEntry> &entries)
{
    for (const TMenuEntry &entry : entries) {
        switch (entry.kind) {
        case TMenuEntry::TKind::mekAction:
            menu.addAction(known(registry, entry.name));
            break;
        case TMenuEntry::TKind::mekSeparator:
            menu.addSeparator();
            break;
        case TMenuEntry::TKind::mekSubmenu: {
            QMenu *child = submenu(&menu, entry);
            BuildMenu(*child, registry, entry.children);
            menu.addMenu(child);
            break;
        }
        }
    }
}

void TMenuBuilder::BuildToolBar(QToolBar &bar, const TActionRegistry &registry, const std::vector<TMenuEntry> &entries)
{
    for (const TMenuEntry &entry : entries) {
        if (entry.kind == TMenuEntry::TKind::mekSeparator)
            bar.addSeparator();
        else if (entry.kind == TMenuEntry::TKind::mekAction)
            bar.addAction(known(registry, entry.name));
        else
            throw std::invalid_argument("a tool bar takes no submenus");
    }
}
