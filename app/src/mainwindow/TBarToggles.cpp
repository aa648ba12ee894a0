#include "mainwindow/TBarToggles.h"

#include "commands/TActionRegistry.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QToolBar>

TBarToggles::TBarToggles(TActionRegistry &registry, QMenu &menu)
    : m_registry(registry)
    , m_menu(menu)
{
}

QString TBarToggles::ToolBarHint(const QString &caption)
{
    return QStringLiteral("Blendet die Symbolleiste \"%1\" ein oder aus.").arg(caption);
}

QString TBarToggles::QuickbarHint(const QString &caption)
{
    return QStringLiteral("Blendet das Quickbar-Element \"%1\" ein oder aus.").arg(caption);
}

QAction *TBarToggles::AddToolBar(QToolBar &bar)
{
    return add(bar, ToolBarHint(bar.windowTitle()), bar.toggleViewAction());
}

QAction *TBarToggles::AddQuickbarPage(QDockWidget &dock)
{
    return add(dock, QuickbarHint(dock.windowTitle()), dock.toggleViewAction());
}

QAction *TBarToggles::add(QWidget &bar, const QString &hint, QAction *viewToggle)
{
    TActionDefinition definition;
    definition.name = QStringLiteral("act") + bar.objectName();
    definition.category = QStringLiteral("GUI");
    definition.caption = bar.windowTitle();
    definition.hint = hint;
    QAction *action = m_registry.Add(definition);
    action->setCheckable(true);
    action->setChecked(!bar.isHidden());
    // Qt's own view toggle knows docked, floating and tabbed states.
    m_registry.SetHandler(definition.name, [viewToggle] { viewToggle->trigger(); });
    QObject::connect(viewToggle, &QAction::toggled, action, &QAction::setChecked);
    m_menu.addAction(action);
    m_bars.append({action, &bar});
    return action;
}

void TBarToggles::Sync()
{
    for (const auto &[action, bar] : std::as_const(m_bars))
        action->setChecked(!bar->isHidden());
}
