#pragma once

#include "exceptions/TReportSender.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The dialog that sends an error report (caption "Fehlerbericht senden"):
// name, e-mail address and the steps that led to the error go with the
// report to the maker. Accepted when the report arrived; a failure is told
// and the dialog ends with Rejected.
class TExceptionReport : public QDialog
{
    Q_OBJECT
public:
    // fields: what the user typed before (a failed attempt), with the report.
    TExceptionReport(const TReportSender::TFields &fields, const QUrl &endpoint, QWidget *parent = nullptr);

    // What the user typed, with the report.
    TReportSender::TFields Fields() const;
    TReportSender &Sender() { return *m_sender; }
    // Starts sending, as the "Senden" button does.
    void Send();

private:
    void stepsEdited();
    void sent(TReportSender::TOutcome outcome, const QString &errorText);

    const QString m_report;
    const QUrl m_endpoint;
    TReportSender *const m_sender;
    QLineEdit *const m_name;
    QLineEdit *const m_email;
    QPlainTextEdit *const m_steps;
    QLabel *const m_stepsCount;
    QPushButton *m_send = nullptr;
};
