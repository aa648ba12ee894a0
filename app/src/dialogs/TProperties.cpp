#include "dialogs/TProperties.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The folder label: a double click opens the folder in the file manager.
class TFolderLabel : public QLabel
{
public:
    TFolderLabel(const QString &text, bool openable, QWidget *parent) : QLabel(text, parent), m_openable(openable)
    {
        setObjectName(QStringLiteral("lblFolder"));
        setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (m_openable)
            QDesktopServices::openUrl(QUrl::fromLocalFile(text()));
        QLabel::mouseDoubleClickEvent(event);
    }

private:
    bool m_openable;
};

QLabel *valueLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TProperties::TProperties(const TPropertiesModel &model, TPropertiesModel::TMode mode, const QString &filePath,
                         QWidget *parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(model.Caption(mode));
    auto *layout = new QVBoxLayout(this);
    if (mode != TPropertiesModel::pmEncryption)
        layout->addWidget(fileSection(filePath));
    if (mode != TPropertiesModel::pmFile)
        layout->addWidget(encryptionSection());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void TProperties::Execute(TVYRACore &core, TVYRADocument &document, TPropertiesModel::TMode mode, QWidget *parent)
{
    TVYRADocumentContainer &container = *core.Container();
    const std::unique_ptr<TVYRAEditor> editor = container.GetEditor(container.Documents().IndexOf(&document));
    const TPropertiesModel model(document, editor ? editor->GetText() : QString(), core.Ciphers());
    TProperties dialog(model, mode, document.GetFileName(), parent);
    dialog.exec();
}

QWidget *TProperties::fileSection(const QString &filePath)
{
    auto *box = new QGroupBox(QStringLiteral("Datei"), this);
    auto *form = new QFormLayout(box);
    auto *icon = new QLabel(box);
    const bool exists = m_model.Folder() != QStringLiteral("Kein");
    QFileIconProvider provider;
    icon->setPixmap((exists ? provider.icon(QFileInfo(filePath)) : provider.icon(QFileIconProvider::File))
                        .pixmap(32, 32));
    form->addRow(icon, valueLabel(m_model.FileName(), "lblFileName", box));
    form->addRow(QStringLiteral("Ordner:"), new TFolderLabel(m_model.Folder(), exists, box));
    form->addRow(QStringLiteral("Dateityp:"), valueLabel(m_model.FileType(), "lblFileType", box));
    form->addRow(QStringLiteral("Dateigröße:"), valueLabel(m_model.Size(), "lblFileSize", box));
    form->addRow(QStringLiteral("Statistik:"), valueLabel(m_model.TextStatistics(), "lblStatistics", box));
    auto *attributes = new QHBoxLayout;
    for (const TPropertiesModel::TAttribute &attribute : m_model.Attributes()) {
        auto *check = new QCheckBox(attribute.caption, box);
        check->setChecked(attribute.set);
        check->setEnabled(false);
        check->setVisible(attribute.available);
        attributes->addWidget(check);
    }
    form->addRow(QStringLiteral("Attribute:"), attributes);
    form->addRow(QStringLiteral("Verschlüsselung:"), valueLabel(m_model.CipherName(), "lblCipher", box));
    form->addRow(QStringLiteral("Passwort gesetzt:"), valueLabel(m_model.PasswordSet(), "lblPassword", box));
    return box;
}

QWidget *TProperties::encryptionSection()
{
    auto *box = new QGroupBox(QStringLiteral("Verschlüsselung"), this);
    auto *layout = new QHBoxLayout(box);
    m_ciphers = new QListWidget(box);
    m_ciphers->setObjectName(QStringLiteral("lbCiphers"));
    m_ciphers->addItems(m_model.CipherNames());
    layout->addWidget(m_ciphers);
    auto *details = new QVBoxLayout;
    m_description = new QLabel(box);
    m_description->setWordWrap(true);
    m_developers = new QLabel(box);
    m_security = new QLabel(box);
    m_speed = new QLabel(box);
    m_securityBar = new QProgressBar(box);
    m_speedBar = new QProgressBar(box);
    for (QProgressBar *bar : {m_securityBar, m_speedBar}) {
        bar->setRange(0, 100);
        bar->setTextVisible(false);
    }
    details->addWidget(m_description);
    details->addWidget(m_developers);
    details->addWidget(m_security);
    details->addWidget(m_securityBar);
    details->addWidget(m_speed);
    details->addWidget(m_speedBar);
    details->addStretch();
    layout->addLayout(details, 1);
    connect(m_ciphers, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ShowCipher(row);
    });
    if (m_model.SelectedCipher() >= 0)
        m_ciphers->setCurrentRow(m_model.SelectedCipher());
    return box;
}

void TProperties::ShowCipher(int index)
{
    const std::optional<TPropertiesModel::TCipherInfo> info = m_model.Cipher(index);
    if (!info)
        return;
    m_description->setText(info->description);
    m_developers->setText(info->developers);
    m_security->setText(info->security);
    m_speed->setText(info->speed);
    m_securityBar->setValue(info->securityValue);
    m_speedBar->setValue(info->speedValue);
}
