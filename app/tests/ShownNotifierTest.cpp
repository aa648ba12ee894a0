#include "startup/TShownNotifier.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// Counts the paint events one widget gets.
class PaintCount : public QObject
{
public:
    explicit PaintCount(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

void runEventsFor(int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

// The start-up benchmark quits on this notice: by then the window with its
// menu bar and tool bar must be on screen, not merely asked to show.
TEST(ShownNotifier, TellsOnceAfterTheWindowWithItsBarsWasPainted)
{
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Datei"));
    QToolBar *tools = window.addToolBar(QStringLiteral("Standard"));
    tools->addAction(QStringLiteral("Neu"));
    window.resize(400, 300);
    const PaintCount windowPaints(&window), barPaints(window.menuBar()), toolPaints(tools);
    auto *notifier = new TShownNotifier(&window);
    int notices = 0, windowAtNotice = 0, barAtNotice = 0, toolsAtNotice = 0;
    QObject::connect(notifier, &TShownNotifier::shown, [&] {
        ++notices;
        windowAtNotice = windowPaints.count;
        barAtNotice = barPaints.count;
        toolsAtNotice = toolPaints.count;
    });

    window.show();
    const QDeadlineTimer deadline(5000);
    while (notices == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(notices, 1);
    EXPECT_GE(windowAtNotice, 1);
    EXPECT_GE(barAtNotice, 1);
    EXPECT_GE(toolsAtNotice, 1);

    // Later paints tell nothing more.
    window.hide();
    window.show();
    window.repaint();
    runEventsFor(100);
    EXPECT_EQ(notices, 1);
    EXPECT_GE(windowPaints.count, 2);
}
