#pragma once

#include <QString>
#include <vector>

// One line of a declarative menu or tool-bar layout: a command named by its
// action name, a separator, or a submenu with its own entries.
struct TMenuEntry
{
    enum class TKind { mekAction, mekSeparator, mekSubmenu };

    TKind kind = TKind::mekAction;
    QString name;      // action name, or the submenu's object name
    QString caption;   // submenus only
    std::vector<TMenuEntry> children;

    static TMenuEntry Item(const QString &action) { return {TKind::mekAction, action, {}, {}}; }
    static TMenuEntry Separator() { return {TKind::mekSeparator, {}, {}, {}}; }
    static TMenuEntry Menu(const QString &name, const QString &caption, std::vector<TMenuEntry> children)
    {
        return {TKind::mekSubmenu, name, caption, std::move(children)};
    }
};
