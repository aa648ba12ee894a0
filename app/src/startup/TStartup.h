#pragma once

#include <QStringList>

class QApplication;

// The editor's start: single instance, XML check, data-folder switches, the
// choice of the data directories, the core object and the first window.
class TStartup
{
public:
    explicit TStartup(QApplication &app);
    int run();

private:
    QApplication &m_app;
};
