#include "generators/THueSaturationPlane.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

THueSaturationPlane::THueSaturationPlane(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(120, 80);
    setCursor(Qt::CrossCursor);
}

void THueSaturationPlane::SetHueSaturation(int hue, int saturation)
{
    m_hue = std::clamp(hue, 0, 359);
    m_saturation = std::clamp(saturation, 0, 255);
    update();
}

void THueSaturationPlane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_plane = QImage();
}

void THueSaturationPlane::paintEvent(QPaintEvent *)
{
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    if (m_plane.size() != QSize(w, h)) {
        m_plane = QImage(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            auto *line = reinterpret_cast<QRgb *>(m_plane.scanLine(y));
            const int saturation = 255 - y * 255 / std::max(1, h - 1);
            for (int x = 0; x < w; ++x)
                line[x] = QColor::fromHsv(x * 359 / std::max(1, w - 1), saturation, 255).rgb();
        }
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_plane);
    const QPoint mark(m_hue * (w - 1) / 359, (255 - m_saturation) * (h - 1) / 255);
    painter.setPen(Qt::black);
    painter.drawEllipse(mark, 5, 5);
    painter.setPen(Qt::white);
    painter.drawEllipse(mark, 4, 4);
}

void THueSaturationPlane::pick(const QPoint &position)
{
    const int x = std::clamp(position.x(), 0, width() - 1);
    const int y = std::clamp(position.y(), 0, height() - 1);
    SetHueSaturation(x * 359 / std::max(1, width() - 1), 255 - y * 255 / std::max(1, height() - 1));
    emit picked(m_hue, m_saturation);
}

void THueSaturationPlane::mousePressEvent(QMouseEvent *event)
{
    pick(event->position().toPoint());
}

void THueSaturationPlane::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->position().toPoint());
}
