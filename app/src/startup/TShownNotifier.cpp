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
    if (event->type() == QEvent::Show && !m_told) {
        m_told = true;
        QTimer::singleShot(0, this, &TShownNotifier::shown);
    }
    return QObject::eventFilter(watched, event);
}
