#include "dialogs/TTemplateSettings.h"

#include "documents/TVYRATemplate.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TTemplateSettings::TTemplateSettings(TVYRATemplate &target, QWidget *parent)
    : QDialog(parent), m_template(target), m_name(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Talvex Studio - Vorlageneinstellungen"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Name der Vorlage im Menü \"Neu\":"), this));
    m_name->setObjectName(QStringLiteral("edTemplateName"));
    m_name->setText(target.TemplateName());
    layout->addWidget(m_name);
    layout->addWidget(
        new QLabel(QStringLiteral("Lassen Sie das Feld leer, um die Standardbezeichnung zu verwenden."), this));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TTemplateSettings::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TTemplateSettings::accept()
{
    if (m_name->text() != m_template.TemplateName())
        m_template.SetTemplateName(m_name->text());
    QDialog::accept();
}
