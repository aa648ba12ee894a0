#include "mainwindow/TWindowListBar.h"

#include "mainwindow/TFileIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>

TWindowListBar::TWindowListBar(const QString &objectName, const QString &caption, QWidget *parent)
    : QToolBar(caption, parent)
    , m_group(new QActionGroup(this))
{
    setObjectName(objectName);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_group->setExclusive(true);
}

void TWindowListBar::apply(QAction *action, const TWindowListEntry &entry) const
{
    action->setText(entry.caption);
    action->setToolTip(entry.hint);
    action->setStatusTip(entry.hint);
    action->setIcon(entry.showIcon ? TFileIcons::ForFile(entry.iconFile) : QIcon());
}

void TWindowListBar::SetEntries(const QList<TWindowListEntry> &entries)
{
    const int current = CurrentIndex();
    for (QAction *action : std::as_const(m_actions)) {
        removeAction(action);
        m_group->removeAction(action);
        action->deleteLater();
    }
    m_actions.clear();
    m_entries = entries;
    for (int i = 0; i < entries.size(); ++i) {
        auto *action = new QAction(this);
        action->setCheckable(true);
        apply(action, entries[i]);
        m_group->addAction(action);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, action] {
            const int index = int(m_actions.indexOf(action));
            if (index >= 0)
                emit entryActivated(index);
        });
        if (QWidget *button = widgetForAction(action))
            button->installEventFilter(this);
        m_actions.append(action);
    }
    SetCurrentIndex(current < Count() ? current : Count() - 1);
}

void TWindowListBar::SetEntry(int index, const TWindowListEntry &entry)
{
    if (index < 0 || index >= Count() || m_entries[index] == entry)
        return;
    m_entries[index] = entry;
    apply(m_actions[index], entry);
}

TWindowListEntry TWindowListBar::Entry(int index) const
{
    return index >= 0 && index < Count() ? m_entries[index] : TWindowListEntry{};
}

int TWindowListBar::CurrentIndex() const
{
    for (int i = 0; i < m_actions.size(); ++i)
        if (m_actions[i]->isChecked())
            return i;
    return -1;
}

void TWindowListBar::SetCurrentIndex(int index)
{
    if (index >= 0 && index < Count()) {
        m_actions[index]->setChecked(true);
        return;
    }
    if (QAction *checked = m_group->checkedAction())
        checked->setChecked(false);
}

QWidget *TWindowListBar::Button(int index) const
{
    return index >= 0 && index < Count() ? widgetForAction(m_actions[index]) : nullptr;
}

bool TWindowListBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton) {
        for (int i = 0; i < m_actions.size(); ++i) {
            if (widgetForAction(m_actions[i]) == watched) {
                // The entry, not its place: the list may change before the report.
                QPointer<QAction> action = m_actions[i];
                QMetaObject::invokeMethod(
                    this,
                    [this, action] {
                        const int index = action ? int(m_actions.indexOf(action.data())) : -1;
                        if (index >= 0)
                            emit entryMiddleClicked(index);
                    },
                    Qt::QueuedConnection);
                return true;
            }
        }
    }
    return QToolBar::eventFilter(watched, event);
}
