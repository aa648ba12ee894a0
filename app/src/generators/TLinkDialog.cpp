#include "generators/TLinkDialog.h"
#include "generators/TInsertButtons.h"

#include "generators/TFileNameChooser.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TLinkDialog::TLinkDialog(const QStringList &projectFiles, const QString &referenceFile, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Hyperlink einfügen"));
    setObjectName(QStringLiteral("TLinkDialog"));
    auto *layout = new QVBoxLayout(this);
    m_internal = new QRadioButton(QStringLiteral("interner Verweis (innerhalb der eigenen Webseite)"));
    m_internal->setObjectName(QStringLiteral("rbInternal"));
    m_external = new QRadioButton(QStringLiteral("externer Verweis (auf eine externe Quelle)"));
    m_external->setObjectName(QStringLiteral("rbExternal"));
    layout->addWidget(m_internal);

    auto *internal = new QGroupBox;
    auto *internalLayout = new QFormLayout(internal);
    m_toFile = new QRadioButton(QStringLiteral("Verweis auf eine andere Datei"));
    m_toFile->setObjectName(QStringLiteral("rbFile"));
    m_toAnchor = new QRadioButton(QStringLiteral("Verweis auf einen Anker innerhalb der aktuellen Datei"));
    m_toAnchor->setObjectName(QStringLiteral("rbAnchor"));
    m_projectFiles = new QComboBox;
    m_projectFiles->setObjectName(QStringLiteral("cbProjectFiles"));
    m_projectFiles->addItems(projectFiles);
    m_projectFiles->setCurrentIndex(-1);
    m_file = new TFileNameChooser(QStringLiteral("Datei öffnen"), QStringLiteral("Alle Dateien (*)"));
    m_file->SetReferenceFile(referenceFile);
    connect(m_projectFiles, &QComboBox::textActivated, m_file, &TFileNameChooser::Choose);
    m_anchor = new QLineEdit;
    m_anchor->setObjectName(QStringLiteral("edtAnchor"));
    internalLayout->addRow(m_toFile);
    internalLayout->addRow(QStringLiteral("Projektdatei:"), m_projectFiles);
    internalLayout->addRow(QStringLiteral("Datei:"), m_file);
    internalLayout->addRow(m_toAnchor);
    internalLayout->addRow(QStringLiteral("Ankername:"), m_anchor);
    layout->addWidget(internal);

    layout->addWidget(m_external);
    auto *external = new QGroupBox;
    auto *externalLayout = new QFormLayout(external);
    m_protocol = new QComboBox;
    m_protocol->setObjectName(QStringLiteral("cbProtocol"));
    for (const char *protocol : TLinkOptions::Protocols)
        m_protocol->addItem(QLatin1String(protocol));
    m_address = new QLineEdit;
    m_address->setObjectName(QStringLiteral("edtAddress"));
    externalLayout->addRow(QStringLiteral("Protokoll:"), m_protocol);
    externalLayout->addRow(QStringLiteral("Zieladresse (URL):"), m_address);
    layout->addWidget(external);

    auto *form = new QFormLayout;
    m_target = new QComboBox;
    m_target->setObjectName(QStringLiteral("cbTarget"));
    m_target->setEditable(true);
    m_target->addItems({QString(), QStringLiteral("_blank"), QStringLiteral("_top"), QStringLiteral("_new"),
                        QStringLiteral("_parent")});
    form->addRow(QStringLiteral("Zielfenster:"), m_target);
    layout->addLayout(form);

    AddInsertButtons(*this, *layout);
    for (QRadioButton *button : {m_internal, m_external})
        connect(button, &QRadioButton::toggled, this, &TLinkDialog::kindChanged);
    internal->setObjectName(QStringLiteral("gbInternal"));
    external->setObjectName(QStringLiteral("gbExternal"));
    SetOptions(TLinkOptions());
}

void TLinkDialog::kindChanged()
{
    findChild<QGroupBox *>(QStringLiteral("gbInternal"))->setEnabled(m_internal->isChecked());
    findChild<QGroupBox *>(QStringLiteral("gbExternal"))->setEnabled(m_external->isChecked());
}

void TLinkDialog::SetOptions(const TLinkOptions &o)
{
    (o.kind == TLinkOptions::lkExternal ? m_external : m_internal)->setChecked(true);
    (o.kind == TLinkOptions::lkAnchor ? m_toAnchor : m_toFile)->setChecked(true);
    m_file->SetFileName(o.file);
    m_anchor->setText(o.anchor);
    const int protocol = m_protocol->findText(o.protocol);
    m_protocol->setCurrentIndex(protocol < 0 ? 0 : protocol);
    m_address->setText(o.address);
    m_target->setCurrentText(o.target);
    kindChanged();
}

TLinkOptions TLinkDialog::Options() const
{
    TLinkOptions o;
    if (m_external->isChecked())
        o.kind = TLinkOptions::lkExternal;
    else
        o.kind = m_toAnchor->isChecked() ? TLinkOptions::lkAnchor : TLinkOptions::lkFile;
    o.file = m_file->FileName();
    o.anchor = m_anchor->text();
    o.protocol = m_protocol->currentText();
    o.address = m_address->text();
    o.target = m_target->currentText();
    return o;
}

std::optional<TLinkOptions> TLinkDialog::Execute(QWidget *parent, const QStringList &projectFiles,
                                                 const QString &referenceFile, const TLinkOptions &start)
{
    TLinkDialog dialog(projectFiles, referenceFile, parent);
    dialog.SetOptions(start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Options();
}
