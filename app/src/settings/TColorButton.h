#pragma once

#include <QColor>
#include <QPushButton>

// A button showing a colour; a click lets the user pick another. "No
// colour" (an invalid QColor) stands for the editor's own colour.
class TColorButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TColorButton(const QString &text, QWidget *parent = nullptr);

    QColor Color() const { return m_color; }
    void SetColor(const QColor &color);

    // Stored colours are 0x00BBGGRR; system colours (negative) and 0x1FFFFFFF
    // ("none") give no colour of their own.
    static QColor FromStored(qint32 value);
    // A colour left unset keeps fallback.
    static qint32 ToStored(const QColor &color, qint32 fallback);

signals:
    void colorChanged(const QColor &color);

private:
    void choose();

    QColor m_color;
};
