#include "settings/TFontStyleBoxes.h"

#include "editor/TSynHighlighterAttributes.h"

#include <QCheckBox>
#include <QHBoxLayout>

namespace {

const struct {
    const char *caption;
    TSynFontStyle flag;
} kStyles[] = {{"Fett", fsBold}, {"Kursiv", fsItalic}, {"Unterstrichen", fsUnderline}, {"Durchgestrichen", fsStrikeOut}};

} // namespace

TFontStyleBoxes::TFontStyleBoxes(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto &style : kStyles) {
        auto *box = new QCheckBox(QString::fromLatin1(style.caption), this);
        layout->addWidget(box);
        m_boxes << box;
        connect(box, &QCheckBox::toggled, this, &TFontStyleBoxes::styleChanged);
    }
    layout->addStretch();
}

unsigned TFontStyleBoxes::Style() const
{
    unsigned style = 0;
    for (int i = 0; i < m_boxes.size(); ++i)
        if (m_boxes.at(i)->isChecked())
            style |= kStyles[i].flag;
    return style;
}

void TFontStyleBoxes::SetStyle(unsigned style)
{
    const QSignalBlocker block(this);
    for (int i = 0; i < m_boxes.size(); ++i)
        m_boxes.at(i)->setChecked(style & kStyles[i].flag);
}
