#pragma once

#include <QColor>
#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QSlider;
class QToolButton;
class THueSaturationPlane;
class TValueStrip;

// "Talvex Studio - Farbauswahl": one colour shown as HTML text, red, green
// and blue, hue, saturation and grey value, a hue/saturation plane and a
// value strip; every view follows the others.
class TColorDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TColorDialog(QWidget *parent = nullptr);

    void SetColor(const QColor &color);
    QColor Color() const { return m_color; }

    // Opens with the colour of an HTML text; none when cancelled, so the
    // caller keeps its text.
    static std::optional<QColor> Execute(QWidget *parent, const QString &htmlColor);

private:
    QSlider *addSlider(class QGridLayout *grid, int row, const char *name, int maximum);
    void showColor(const QColor &color, QObject *source);
    void updateLabels();
    void htmlEdited();
    void rgbMoved();
    void hsvMoved();

    QColor m_color = Qt::black;
    bool m_updating = false;
    QLineEdit *m_html = nullptr;
    QSlider *m_red = nullptr;
    QSlider *m_green = nullptr;
    QSlider *m_blue = nullptr;
    QSlider *m_hue = nullptr;
    QSlider *m_saturation = nullptr;
    QSlider *m_grey = nullptr;
    QLabel *m_labels[6] = {};
    QLabel *m_sample = nullptr;
    THueSaturationPlane *m_plane = nullptr;
    TValueStrip *m_strip = nullptr;
    QToolButton *m_button = nullptr;
};
