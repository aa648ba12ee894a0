#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A colour value as text ("#RRGGBB" or a colour name) with a button that
// opens the colour dialog and takes the chosen colour as the text.
class TColorEdit : public QWidget
{
    Q_OBJECT
public:
    explicit TColorEdit(QWidget *parent = nullptr);
    QString Text() const;
    void SetText(const QString &text);
    QToolButton *Button() const { return m_button; }

signals:
    // The dialog closed with a colour.
    void colorChosen();

private:
    void chooseColor();

    QLineEdit *const m_edit;
    QToolButton *const m_button;
};
