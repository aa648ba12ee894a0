#pragma once

#include <QColor>
#include <QWidget>

// A vertical strip from full value (top) to black (bottom) for one hue and
// saturation; a click or drag picks the value (0-255).
class TValueStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TValueStrip(QWidget *parent = nullptr);
    void SetColor(int hue, int saturation, int value);
    int Value() const { return m_value; }
    QSize sizeHint() const override { return {24, 160}; }

signals:
    void picked(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void pick(int y);

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 0;
};
