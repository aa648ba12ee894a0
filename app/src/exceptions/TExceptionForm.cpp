#include "exceptions/TExceptionForm.h"

#include "exceptions/TErrorReportText.h"
#include "exceptions/TExceptionReport.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Whether the details were open when the dialog was last closed.
bool s_detailsWereOpen = false;

QLabel *wrapped(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

TExceptionForm::TExceptionForm(const TErrorRecord &record, const QUrl &endpoint, QWidget *parent)
    : QDialog(parent)
    , m_record(record)
    , m_report(TErrorReportText::Build(record))
    , m_endpoint(endpoint)
    , m_runReport([](QDialog &dialog) { return dialog.exec(); })
{
    setWindowTitle(QStringLiteral("Talvex Studio - Anwendungsfehler"));
    m_typed.report = m_report;
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    texts->addWidget(wrapped(QStringLiteral("Talvex Studio hat einen nicht behandelten Fehler angetroffen."), this));
    texts->addWidget(wrapped(QStringLiteral("Die zuletzt begonnene Operation konnte möglicherweise nicht "
                                            "vollständig ausgeführt werden."),
                             this));
    texts->addWidget(wrapped(QStringLiteral("Bitte wählen Sie nun die weitere Vorgehensweise:"), this));
    top->addLayout(texts, 1);
    layout->addLayout(top);

    m_toggle = new QLabel(this);
    m_toggle->setObjectName(QStringLiteral("lblDetails"));
    m_toggle->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(m_toggle, &QLabel::linkActivated, this, [this] { SetDetailsOpen(!m_detailsOpen); });
    layout->addWidget(m_toggle);

    m_details = new QWidget(this);
    m_details->setObjectName(QStringLiteral("pnlDetails"));
    auto *details = new QGridLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    auto *className = new QLabel(record.className, m_details);
    className->setObjectName(QStringLiteral("lbErrClass"));
    details->addWidget(new QLabel(QStringLiteral("Fehlerklasse:"), m_details), 0, 0);
    details->addWidget(className, 0, 1);
    auto *message = new QPlainTextEdit(record.message, m_details);
    message->setObjectName(QStringLiteral("mmErrMessage"));
    message->setReadOnly(true);
    message->setVerticalScrollBarPolicy(record.message.count(QLatin1Char('\n')) + 1 > 2 ? Qt::ScrollBarAlwaysOn
                                                                                         : Qt::ScrollBarAlwaysOff);
    details->addWidget(new QLabel(QStringLiteral("Fehlermeldung vom Programm:"), m_details), 1, 0, 1, 2);
    details->addWidget(message, 2, 0, 1, 2);
    m_systemPanel = new QWidget(m_details);
    m_systemPanel->setObjectName(QStringLiteral("pnlWin32"));
    auto *system = new QGridLayout(m_systemPanel);
    system->setContentsMargins(0, 0, 0, 0);
    auto *code = new QLabel(QString::number(record.code), m_systemPanel);
    code->setObjectName(QStringLiteral("lbWin32ErrCode"));
    auto *systemMessage = new QLabel(record.systemMessage, m_systemPanel);
    systemMessage->setObjectName(QStringLiteral("lbWinErrMsg"));
    system->addWidget(new QLabel(QStringLiteral("Win32 Fehlercode:"), m_systemPanel), 0, 0);
    system->addWidget(code, 0, 1);
    system->addWidget(new QLabel(QStringLiteral("Fehlermeldung von Windows:"), m_systemPanel), 1, 0);
    system->addWidget(systemMessage, 1, 1);
    details->addWidget(m_systemPanel, 3, 0, 1, 2);
    layout->addWidget(m_details);

    auto *buttons = new QHBoxLayout;
    QPushButton *resume = addButton(QStringLiteral("Programm fortsetzen"),
                                    QStringLiteral("Weiter|Schließt diesen Dialog und setzt den Programmablauf fort."),
                                    QStringLiteral("btnContinue"));
    resume->setDefault(true);
    QPushButton *quit = addButton(QStringLiteral("Programm beenden"),
                                  QStringLiteral("Beenden|Beendet Talvex Studio mit sofortiger Wirkung. Ungespeicherte "
                                                 "Texte werden zuvor gesichert und beim nächsten Start angeboten."),
                                  QStringLiteral("btnQuit"));
    QPushButton *copy = addButton(QStringLiteral("Kopieren"),
                                  QStringLiteral("In die Zwischenablage kopieren|Kopiert die Fehlermeldung in die "
                                                 "Zwischenablage zur weiteren Verwendung."),
                                  QStringLiteral("btnCopy"));
    m_send = addButton(QStringLiteral("Senden..."),
                       QStringLiteral("Fehlerbericht senden|Sendet einen Fehlerbericht an den Autor, um die "
                                      "Programmqualität zu verbessern."),
                       QStringLiteral("btnSend"));
    // Without an address for reports there is nowhere to send them.
    m_send->setVisible(endpoint.isValid());
    for (QPushButton *button : {resume, quit, copy, m_send})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    connect(resume, &QPushButton::clicked, this, &QDialog::accept);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    connect(copy, &QPushButton::clicked, this, &TExceptionForm::CopyReport);
    connect(m_send, &QPushButton::clicked, this, &TExceptionForm::SendReport);
    connect(this, &QDialog::finished, this, [this] { s_detailsWereOpen = m_detailsOpen; });
    SetDetailsOpen(s_detailsWereOpen);
}

QPushButton *TExceptionForm::addButton(const QString &text, const QString &hint, const QString &name)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
    button->setStatusTip(hint.section(QLatin1Char('|'), 1));
    return button;
}

void TExceptionForm::SetDetailsOpen(bool open)
{
    m_detailsOpen = open;
    const bool systemError = m_record.code != 0;
    m_toggle->setText(open ? QStringLiteral("<a href=\"#\">&lt;&lt; Details ausblenden</a>")
                           : QStringLiteral("<a href=\"#\">Weitere Fehlerdetails &gt;&gt;</a>"));
    const int detailsHeight = open ? DetailsHeight - (systemError ? 0 : SystemPanelHeight) : 0;
    m_systemPanel->setFixedHeight(systemError ? SystemPanelHeight : 0);
    m_systemPanel->setVisible(systemError);
    m_details->setFixedHeight(detailsHeight);
    m_details->setVisible(open);
    setFixedHeight(detailsHeight + FixedHeight);
}

void TExceptionForm::CopyReport()
{
    QApplication::clipboard()->setText(m_report);
}

void TExceptionForm::SendReport()
{
    TExceptionReport dialog(m_typed, m_endpoint, this);
    const int result = m_runReport(dialog);
    m_typed = dialog.Fields();
    // A report is sent at most once per error; a failed one may be tried again.
    if (result == QDialog::Accepted)
        m_send->hide();
}

bool TExceptionForm::ShowApplicationError(const TErrorRecord *record, const QUrl &endpoint, QWidget *parent)
{
    if (!record)
        return true;
    TExceptionForm form(*record, endpoint, parent);
    QApplication::beep();
    return form.exec() == QDialog::Accepted;
}
