#include "generators/TColorDialog.h"

#include "generators/THTMLColorConversions.h"
#include "generators/THueSaturationPlane.h"
#include "generators/TValueStrip.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const LabelTexts[6] = {"Rot (%1):", "Grün (%1):", "Blau (%1):", "Farbton (%1):", "Sättigung (%1):",
                                   "Grauwert (%1):"};
const char *const BasicColors[] = {"black", "gray", "silver", "white", "maroon", "red", "purple", "fuchsia",
                                   "green", "lime", "olive", "yellow", "navy", "blue", "teal", "aqua"};

} // namespace

TColorDialog::TColorDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Talvex Studio - Farbauswahl"));
    setObjectName(QStringLiteral("TColorDialog"));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("HTML Farbwert:")));
    m_html = new QLineEdit;
    m_html->setObjectName(QStringLiteral("edtHtmlColor"));
    top->addWidget(m_html);
    m_sample = new QLabel;
    m_sample->setFixedSize(40, 22);
    m_sample->setAutoFillBackground(true);
    top->addWidget(m_sample);
    m_button = new QToolButton;
    m_button->setText(QStringLiteral("Farbe"));
    m_button->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(m_button);
    for (const char *name : BasicColors)
        menu->addAction(QLatin1String(name), this, [this, name] {
            showColor(THTMLColorConversions::HTMLToColor(QLatin1String(name)), nullptr);
        });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Eigene Farbe"), this, [this] {
        const QColor chosen = QColorDialog::getColor(m_color, this, QStringLiteral("Eigene Farbe"));
        if (chosen.isValid())
            showColor(chosen, nullptr);
    });
    m_button->setMenu(menu);
    top->addWidget(m_button);
    layout->addLayout(top);

    auto *views = new QHBoxLayout;
    m_plane = new THueSaturationPlane;
    m_strip = new TValueStrip;
    views->addWidget(m_plane, 1);
    views->addWidget(m_strip);
    layout->addLayout(views);

    auto *grid = new QGridLayout;
    m_red = addSlider(grid, 0, "sldRed", 255);
    m_green = addSlider(grid, 1, "sldGreen", 255);
    m_blue = addSlider(grid, 2, "sldBlue", 255);
    m_hue = addSlider(grid, 3, "sldHue", 360);
    m_saturation = addSlider(grid, 4, "sldSaturation", 255);
    m_grey = addSlider(grid, 5, "sldGrey", 255);
    layout->addLayout(grid);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOk"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_html, &QLineEdit::textEdited, this, &TColorDialog::htmlEdited);
    for (QSlider *slider : {m_red, m_green, m_blue})
        connect(slider, &QSlider::valueChanged, this, &TColorDialog::rgbMoved);
    for (QSlider *slider : {m_hue, m_saturation, m_grey})
        connect(slider, &QSlider::valueChanged, this, &TColorDialog::hsvMoved);
    connect(m_plane, &THueSaturationPlane::picked, this, [this](int hue, int saturation) {
        showColor(QColor::fromHsv(hue, saturation, m_color.value()), m_plane);
    });
    connect(m_strip, &TValueStrip::picked, this, [this](int value) {
        showColor(QColor::fromHsv(m_hue->value() % 360, m_saturation->value(), value), m_strip);
    });
    showColor(m_color, nullptr);
}

QSlider *TColorDialog::addSlider(QGridLayout *grid, int row, const char *name, int maximum)
{
    m_labels[row] = new QLabel;
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(0, maximum);
    grid->addWidget(m_labels[row], row, 0);
    grid->addWidget(slider, row, 1);
    return slider;
}

void TColorDialog::SetColor(const QColor &color)
{
    showColor(color, nullptr);
}

void TColorDialog::showColor(const QColor &color, QObject *source)
{
    // Each view set here reports its change again; the flag keeps that from coming back.
    if (m_updating)
        return;
    m_updating = true;
    m_color = color.toRgb();
    if (source != m_html)
        m_html->setText(THTMLColorConversions::ColorToHTML(m_color));
    m_red->setValue(m_color.red());
    m_green->setValue(m_color.green());
    m_blue->setValue(m_color.blue());
    if (source != m_hue && source != m_saturation && source != m_grey) {
        // A grey has no hue of its own: the bar keeps the one it has.
        if (m_color.hsvHue() >= 0)
            m_hue->setValue(m_color.hsvHue());
        m_saturation->setValue(m_color.hsvSaturation());
        m_grey->setValue(255 - m_color.value());
    }
    if (source != m_plane)
        m_plane->SetHueSaturation(m_hue->value() % 360, m_saturation->value());
    m_strip->SetColor(m_hue->value() % 360, m_saturation->value(), m_color.value());
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::Window, m_color);
    m_sample->setPalette(palette);
    updateLabels();
    m_updating = false;
}

void TColorDialog::updateLabels()
{
    const QSlider *sliders[6] = {m_red, m_green, m_blue, m_hue, m_saturation, m_grey};
    for (int i = 0; i < 6; ++i)
        m_labels[i]->setText(QString::fromUtf8(LabelTexts[i]).arg(sliders[i]->value()));
}

void TColorDialog::htmlEdited()
{
    if (THTMLColorConversions::IsHTMLColor(m_html->text()))
        showColor(THTMLColorConversions::HTMLToColor(m_html->text()), m_html);
}

void TColorDialog::rgbMoved()
{
    showColor(QColor(m_red->value(), m_green->value(), m_blue->value()), sender());
}

void TColorDialog::hsvMoved()
{
    showColor(QColor::fromHsv(m_hue->value() % 360, m_saturation->value(), 255 - m_grey->value()), sender());
}

std::optional<QColor> TColorDialog::Execute(QWidget *parent, const QString &htmlColor)
{
    TColorDialog dialog(parent);
    dialog.SetColor(THTMLColorConversions::HTMLToColor(htmlColor));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Color();
}
