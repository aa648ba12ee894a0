#pragma once

#include <QWidget>

// A plane of hue (0-359, left to right) against saturation (255 at the top,
// 0 at the bottom) at full value; a click or drag picks both.
class THueSaturationPlane : public QWidget
{
    Q_OBJECT
public:
    explicit THueSaturationPlane(QWidget *parent = nullptr);
    void SetHueSaturation(int hue, int saturation);
    int Hue() const { return m_hue; }
    int Saturation() const { return m_saturation; }
    QSize sizeHint() const override { return {240, 160}; }

signals:
    void picked(int hue, int saturation);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void pick(const QPoint &position);

    QImage m_plane;
    int m_hue = 0;
    int m_saturation = 0;
};
