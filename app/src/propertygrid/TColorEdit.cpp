#include "propertygrid/TColorEdit.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

TColorEdit::TColorEdit(QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_button(new QToolButton(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    m_button->setText(QStringLiteral("..."));
    m_button->setToolTip(QStringLiteral("Farbe auswählen"));
    setFocusProxy(m_edit);
    connect(m_button, &QToolButton::clicked, this, &TColorEdit::chooseColor);
}

QString TColorEdit::Text() const
{
    return m_edit->text();
}

void TColorEdit::SetText(const QString &text)
{
    m_edit->setText(text);
}

void TColorEdit::chooseColor()
{
    const QColor chosen = QColorDialog::getColor(QColor::fromString(m_edit->text()), this,
                                                 QStringLiteral("Farbe auswählen"));
    if (!chosen.isValid())
        return;
    m_edit->setText(chosen.name(QColor::HexRgb).toUpper());
    emit colorChosen();
}
