#pragma once

#include <QObject>

class QWidget;

// Tells once, after the window system has had the chance to map it, that a
// window was shown (used by the start-up benchmark to quit at that point).
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
