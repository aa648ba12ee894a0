#include "startup/TShownNotifier.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

TShownNotifier::TShownNotifier(QWidget *window)
    : QObject(window)
{
    window->installEventFilter(this);
}

bool TShownNotifier::eventFilter(QObject *watched, QEvent *event)
{
    // The window's own paint event opens the pass that paints its menu bar,
    // tool bars and the rest below it; the notice follows once that pass is done.
    if (event->type() == QEvent::Paint && !m_told) {
        m_told = true;
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &TShownNotifier::shown);
    }
    return QObject::eventFilter(watched, event);
}
