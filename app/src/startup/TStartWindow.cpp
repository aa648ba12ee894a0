#include "startup/TStartWindow.h"

#include "framework/TVYRACore.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

TStartWindow::TStartWindow(const TVYRACore &core, QWidget *parent)
    : QMainWindow(parent)
    , m_files(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Talvex Studio"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("Allgemeine Daten: %1\nBenutzerdaten: %2")
                                     .arg(core.GetAppDataDir(), core.UserDataDir()),
                                 central));
    layout->addWidget(new QLabel(QStringLiteral("Geöffnete Dateien:"), central));
    layout->addWidget(m_files);
    setCentralWidget(central);
    resize(800, 600);
}

void TStartWindow::openFiles(const QStringList &files)
{
    m_files->addItems(files);
}

QStringList TStartWindow::openedFiles() const
{
    QStringList files;
    for (int i = 0; i < m_files->count(); ++i)
        files.append(m_files->item(i)->text());
    return files;
}

void TStartWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Announced once the window system has had the chance to map the window.
    QTimer::singleShot(0, this, &TStartWindow::shown);
}
