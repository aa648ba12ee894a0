#pragma once

#include <QObject>

class QWidget;

// Tells once, after the first paint of a window with everything inside it,
// that the window is on screen (the start-up benchmark quits at that point).
class TShownNotifier : public QObject
{
    Q_OBJECT

public:
    explicit TShownNotifier(QWidget *window);

signals:
    void shown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_told = false;
};
