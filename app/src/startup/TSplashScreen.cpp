#include "startup/TSplashScreen.h"

#include "utils/VersionInfo.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

TSplashScreen::TSplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_status(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("TSplashScreen"));
    setStyleSheet(QStringLiteral("#TSplashScreen { background: #1f4e79; } QLabel { color: white; }"));

    auto *title = new QLabel(QStringLiteral("Talvex Studio"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto *version = new QLabel(QStringLiteral("Version %1. Built on %2.")
                                   .arg(GetVersion(QString(), false), GetDate().trimmed()),
                               this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addStretch();
    layout->addWidget(m_status);
    setFixedSize(420, 200);
}

void TSplashScreen::SetStatus(const QString &text)
{
    m_status->setText(text);
    if (isVisible())
        m_status->repaint();
}

QString TSplashScreen::Status() const
{
    return m_status->text();
}

void TSplashScreen::Finish(bool allowClose)
{
    m_allowClose = allowClose;
    if (allowClose)
        close();
}

void TSplashScreen::closeEvent(QCloseEvent *event)
{
    if (m_allowClose)
        event->accept();
    else
        event->ignore();
}
