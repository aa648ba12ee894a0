#pragma once

#include "exceptions/TErrorRecord.h"
#include "exceptions/TReportSender.h"

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The application-error dialog (caption "Talvex Studio - Anwendungsfehler"):
// what went wrong, with details on demand; the report can be copied to the
// clipboard or sent. Accepted continues the program, rejected ends it.
class TExceptionForm : public QDialog
{
    Q_OBJECT
public:
    // Runs the report dialog and returns its result (tests answer it).
    using TReportRunner = std::function<int(QDialog &dialog)>;

    // endpoint: where reports go; an invalid one hides the send button.
    TExceptionForm(const TErrorRecord &record, const QUrl &endpoint, QWidget *parent = nullptr);

    // Shows the dialog for record (none: nothing to show, go on); true continues the program.
    static bool ShowApplicationError(const TErrorRecord *record, const QUrl &endpoint, QWidget *parent = nullptr);

    // The report of this error as it is copied and sent.
    QString ReportText() const { return m_report; }
    bool DetailsOpen() const { return m_detailsOpen; }
    void SetDetailsOpen(bool open);
    void CopyReport();
    void SendReport();
    void SetReportRunner(TReportRunner runner) { m_runReport = std::move(runner); }

    // Heights of the details panel and its system-error part.
    static constexpr int DetailsHeight = 165;
    static constexpr int SystemPanelHeight = 81;
    static constexpr int FixedHeight = 191;

private:
    QPushButton *addButton(const QString &text, const QString &hint, const QString &name);

    const TErrorRecord m_record;
    const QString m_report;
    const QUrl m_endpoint;
    TReportSender::TFields m_typed; // kept from a failed attempt
    TReportRunner m_runReport;
    QLabel *m_toggle = nullptr;
    QWidget *m_details = nullptr;
    QWidget *m_systemPanel = nullptr;
    QPushButton *m_send = nullptr;
    bool m_detailsOpen = false;
};
