#include "settings/TColorButton.h"

#include <QColorDialog>

TColorButton::TColorButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    connect(this, &QPushButton::clicked, this, &TColorButton::choose);
}

void TColorButton::SetColor(const QColor &color)
{
    m_color = color;
    setStyleSheet(color.isValid() ? QStringLiteral("QPushButton { border-left: 16px solid %1; }").arg(color.name())
                                  : QString());
}

void TColorButton::choose()
{
    const QColor chosen = QColorDialog::getColor(m_color.isValid() ? m_color : Qt::white, this, text());
    if (!chosen.isValid() || chosen == m_color)
        return;
    SetColor(chosen);
    emit colorChanged(chosen);
}

QColor TColorButton::FromStored(qint32 value)
{
    if (value < 0 || value == 0x1FFFFFFF)
        return QColor();
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 TColorButton::ToStored(const QColor &color, qint32 fallback)
{
    if (!color.isValid())
        return fallback;
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}
