#include "settings/TSettingsPage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

TSettingsPage::TSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : QWidget(parent)
    , m_core(core)
    , m_settings(settings)
{
}

void TSettingsPage::watch(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textEdited, this, &TSettingsPage::changed);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(control))
        connect(text, &QPlainTextEdit::textChanged, this, &TSettingsPage::changed);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        connect(button, &QAbstractButton::toggled, this, &TSettingsPage::changed);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        connect(combo, &QComboBox::activated, this, &TSettingsPage::changed);
    else if (auto *spin = qobject_cast<QSpinBox *>(control))
        connect(spin, &QSpinBox::valueChanged, this, &TSettingsPage::changed);
    else if (auto *list = qobject_cast<QListWidget *>(control))
        connect(list, &QListWidget::itemChanged, this, &TSettingsPage::changed);
}

QWidget *TSettingsPage::caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped()), parent);
    return label;
}
