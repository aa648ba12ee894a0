#include "generators/TValueStrip.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TValueStrip::TValueStrip(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(16, 80);
    setCursor(Qt::PointingHandCursor);
}

void TValueStrip::SetColor(int hue, int saturation, int value)
{
    m_hue = std::clamp(hue, 0, 359);
    m_saturation = std::clamp(saturation, 0, 255);
    m_value = std::clamp(value, 0, 255);
    update();
}

void TValueStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor::fromHsv(m_hue, m_saturation, 255));
    gradient.setColorAt(1, Qt::black);
    painter.fillRect(rect().adjusted(0, 0, -6, 0), gradient);
    const int y = (255 - m_value) * (height() - 1) / 255;
    painter.setPen(Qt::black);
    painter.drawLine(width() - 6, y, width(), y);
    painter.drawLine(0, y, width() - 7, y);
}

void TValueStrip::pick(int y)
{
    y = std::clamp(y, 0, height() - 1);
    m_value = 255 - y * 255 / std::max(1, height() - 1);
    update();
    emit picked(m_value);
}

void TValueStrip::mousePressEvent(QMouseEvent *event)
{
    pick(int(event->position().y()));
}

void TValueStrip::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(int(event->position().y()));
}
