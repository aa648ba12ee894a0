#include "generators/TImageDialog.h"
#include "generators/TInsertButtons.h"

#include "generators/TFileNameChooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox *spinBox(const char *name, int maximum)
{
    auto *box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(0, maximum);
    return box;
}

} // namespace

TImageDialog::TImageDialog(const QString &referenceFile, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Bild einfügen"));
    setObjectName(QStringLiteral("TImageDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_file = new TFileNameChooser(QStringLiteral("Bild öffnen..."),
                                  QStringLiteral("Bilder (*.png *.jpg *.jpeg *.gif *.bmp *.svg *.webp);;Alle Dateien (*)"));
    m_file->SetReferenceFile(referenceFile);
    connect(m_file, &TFileNameChooser::browsed, this, &TImageDialog::PictureChosen);
    m_alt = new QLineEdit;
    m_alt->setObjectName(QStringLiteral("edtAlt"));
    m_border = new QLineEdit;
    m_border->setObjectName(QStringLiteral("edtBorder"));
    m_vspace = spinBox("seVSpace", 1000);
    m_hspace = spinBox("seHSpace", 1000);
    m_align = new QComboBox;
    m_align->setObjectName(QStringLiteral("cbAlign"));
    m_align->addItems({QStringLiteral("Normal"), QStringLiteral("Oben (top)"), QStringLiteral("Mittig (middle)"),
                       QStringLiteral("Unten (bottom)"), QStringLiteral("Links (left)"),
                       QStringLiteral("Zentriert (center)"), QStringLiteral("Rechts (right)")});
    m_manualSize = new QCheckBox(QStringLiteral("Bildgröße manuell angeben"));
    m_manualSize->setObjectName(QStringLiteral("chkManualSize"));
    m_width = spinBox("seWidth", 5000);
    m_height = spinBox("seHeight", 5000);
    form->addRow(QStringLiteral("Bilddatei:"), m_file);
    form->addRow(QStringLiteral("Alternativtext (\"alt\"-Attribut):"), m_alt);
    form->addRow(QStringLiteral("Rahmenbreite:"), m_border);
    form->addRow(QStringLiteral("VSpace:"), m_vspace);
    form->addRow(QStringLiteral("HSpace:"), m_hspace);
    form->addRow(QStringLiteral("Ausrichtung:"), m_align);
    form->addRow(m_manualSize);
    form->addRow(QStringLiteral("Breite:"), m_width);
    form->addRow(QStringLiteral("Höhe:"), m_height);
    layout->addLayout(form);
    AddInsertButtons(*this, *layout);
    connect(m_manualSize, &QCheckBox::toggled, m_width, &QWidget::setEnabled);
    connect(m_manualSize, &QCheckBox::toggled, m_height, &QWidget::setEnabled);
    SetOptions(TImageOptions());
}

void TImageDialog::PictureChosen(const QString &fileName)
{
    const QSize size = QImageReader(fileName).size();
    if (size.isValid()) {
        m_width->setValue(size.width());
        m_height->setValue(size.height());
    }
}

void TImageDialog::SetOptions(const TImageOptions &o)
{
    m_file->SetFileName(o.source);
    m_alt->setText(o.alt);
    m_border->setText(o.border);
    m_vspace->setValue(o.vspace.toInt());
    m_hspace->setValue(o.hspace.toInt());
    m_align->setCurrentIndex(o.alignment);
    m_manualSize->setChecked(o.manualSize);
    m_width->setValue(o.width);
    m_height->setValue(o.height);
    m_width->setEnabled(o.manualSize);
    m_height->setEnabled(o.manualSize);
}

TImageOptions TImageDialog::Options() const
{
    TImageOptions o;
    o.source = m_file->FileName();
    o.alt = m_alt->text();
    o.border = m_border->text();
    o.vspace = QString::number(m_vspace->value());
    o.hspace = QString::number(m_hspace->value());
    o.alignment = m_align->currentIndex();
    o.manualSize = m_manualSize->isChecked();
    o.width = m_width->value();
    o.height = m_height->value();
    return o;
}

std::optional<TImageOptions> TImageDialog::Execute(QWidget *parent, const QString &referenceFile,
                                                   const TImageOptions &start)
{
    TImageDialog dialog(referenceFile, parent);
    dialog.SetOptions(start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Options();
}
