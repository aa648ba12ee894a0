#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QAction;
class QDockWidget;
class QMenu;
class QToolBar;
class QWidget;
class TActionRegistry;

// The run-time commands that show or hide a tool bar or a quick-bar page:
// named "act" + the bar's object name, category "GUI", checked while the bar
// is shown, listed in the tool-bar menu.
class TBarToggles
{
public:
    TBarToggles(TActionRegistry &registry, QMenu &menu);

    QAction *AddToolBar(QToolBar &bar);
    QAction *AddQuickbarPage(QDockWidget &dock);

    // Sets every check mark from the bar's visibility (after a layout was
    // restored into a window not shown yet, Qt sends no show or hide).
    void Sync();

    static QString ToolBarHint(const QString &caption);
    static QString QuickbarHint(const QString &caption);

private:
    QAction *add(QWidget &bar, const QString &hint, QAction *viewToggle);

    QList<QPair<QAction *, QWidget *>> m_bars;
    TActionRegistry &m_registry;
    QMenu &m_menu;
};
