#include "exceptions/TExceptionReport.h"

#include "ui/TPrompter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TExceptionReport::TExceptionReport(const TReportSender::TFields &fields, const QUrl &endpoint, QWidget *parent)
    : QDialog(parent)
    , m_report(fields.report)
    , m_endpoint(endpoint)
    , m_sender(new TReportSender(this))
    , m_name(new QLineEdit(fields.fullName, this))
    , m_email(new QLineEdit(fields.email, this))
    , m_steps(new QPlainTextEdit(fields.steps, this))
    , m_stepsCount(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Fehlerbericht senden"));
    auto *layout = new QVBoxLayout(this);
    auto *header = new QLabel(QStringLiteral("<b>Fehlerbericht senden</b>"), this);
    layout->addWidget(header);
    auto *intro = new QLabel(QStringLiteral("Bitte füllen Sie möglichst alle Felder aus und klicken Sie auf "
                                            "\"Senden\", um den Fehlerbericht abzuschicken. "),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *form = new QFormLayout;
    m_name->setObjectName(QStringLiteral("edName"));
    m_name->setMaxLength(TReportSender::MaxNameLength);
    m_email->setObjectName(QStringLiteral("edEmail"));
    m_email->setMaxLength(TReportSender::MaxNameLength);
    form->addRow(QStringLiteral("Vor- und Nachname:"), m_name);
    form->addRow(QStringLiteral("E-Mail Adresse:"), m_email);
    layout->addLayout(form);
    auto *stepsLabel = new QLabel(
        QStringLiteral("Bitte beschreiben Sie möglichst detailiert die Schritte, die Sie ausgeführt haben bis der "
                       "Fehler auftrat, damit dieser nachvollzogen werden kann (maximal 2048 Zeichen):"),
        this);
    stepsLabel->setWordWrap(true);
    layout->addWidget(stepsLabel);
    m_steps->setObjectName(QStringLiteral("mmSteps"));
    layout->addWidget(m_steps, 1);
    layout->addWidget(m_stepsCount);
    auto *privacy = new QLabel(QStringLiteral("Hinweis zum Datenschutz: Die übermittelten Daten enthalten keine "
                                              "vertraulichen Informationen und werden nicht an Dritte "
                                              "weitergegeben."),
                               this);
    privacy->setWordWrap(true);
    layout->addWidget(privacy);

    auto *buttons = new QDialogButtonBox(this);
    m_send = buttons->addButton(QStringLiteral("Senden"), QDialogButtonBox::ActionRole);
    m_send->setObjectName(QStringLiteral("btnSend"));
    QPushButton *cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(buttons);

    connect(m_send, &QPushButton::clicked, this, &TExceptionReport::Send);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_steps, &QPlainTextEdit::textChanged, this, &TExceptionReport::stepsEdited);
    connect(m_sender, &TReportSender::finished, this, &TExceptionReport::sent);
    stepsEdited();
}

TReportSender::TFields TExceptionReport::Fields() const
{
    return {m_name->text(), m_email->text(), m_steps->toPlainText(), m_report};
}

void TExceptionReport::stepsEdited()
{
    // Too long a text is not cut: the user shortens it before sending.
    const int length = int(m_steps->toPlainText().size());
    m_stepsCount->setText(QStringLiteral("%1 von %2 Zeichen").arg(length).arg(TReportSender::MaxStepsLength));
    m_send->setEnabled(length <= TReportSender::MaxStepsLength && !m_sender->IsSending());
}

void TExceptionReport::Send()
{
    if (!m_send->isEnabled())
        return;
    m_send->setEnabled(false);
    m_sender->Send(m_endpoint, Fields());
}

void TExceptionReport::sent(TReportSender::TOutcome outcome, const QString &errorText)
{
    TPrompter &prompter = TPrompter::instance();
    switch (outcome) {
    case TReportSender::TOutcome::Sent:
        prompter.information(QStringLiteral("Ihr Fehlerbericht wurde gesendet, vielen Dank für Ihre Unterstützung."),
                             QStringLiteral("Bericht gesendet"));
        accept();
        return;
    case TReportSender::TOutcome::Refused:
        prompter.error(QStringLiteral("Es trat ein Fehler beim Senden des Berichtes auf. Bitte versuchen Sie es ein "
                                      "anderes mal erneut."));
        break;
    case TReportSender::TOutcome::Failed:
        prompter.error(QStringLiteral("Der Bericht konnte nicht gesendet werden: \r\n") + errorText);
        break;
    }
    reject();
}
