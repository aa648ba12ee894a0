#pragma once

#include <QWidget>

class QCheckBox;

// "Fett", "Kursiv", "Unterstrichen", "Durchgestrichen" as one row of boxes
// standing for a set of TSynFontStyle flags.
class TFontStyleBoxes : public QWidget
{
    Q_OBJECT
public:
    explicit TFontStyleBoxes(QWidget *parent = nullptr);

    unsigned Style() const;
    // Shows style without reporting a change.
    void SetStyle(unsigned style);

signals:
    void styleChanged();

private:
    QList<QCheckBox *> m_boxes;
};
