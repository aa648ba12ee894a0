#pragma once

#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Posts an error report to the maker's "error_report.php" as a form with
// five fields. Name, e-mail address and paths in the report are private, so
// the report goes over HTTPS only; any other address is refused unsent.
class TReportSender : public QObject
{
    Q_OBJECT
public:
    enum class TOutcome {
        Sent,    // the reply began with "1"
        Refused, // the server answered with anything else
        Failed,  // not sent: no HTTPS address or a transport error
    };
    Q_ENUM(TOutcome)
    struct TFields {
        QString fullName;
        QString email;
        QString steps;
        QString report;
    };

    static constexpr int MaxNameLength = 150;
    static constexpr int MaxStepsLength = 2048;
    static constexpr int TimeoutMilliseconds = 30000;

    explicit TReportSender(QObject *parent = nullptr);
    ~TReportSender() override;

    // "application", "fullname", "email", "stepstoreproduce", "reportdata" in
    // this order, each value percent-encoded as UTF-8.
    static QByteArray FormBody(const TFields &fields);
    // A reply whose first character is "1" means the report arrived.
    static bool IsAcceptedReply(const QByteArray &reply);
    // The script on the host of the configured address (an address that
    // already names the script is taken as it is); invalid for an empty one.
    static QUrl Endpoint(const QString &address);

    // Certificates and options the connection uses (tests trust their own server).
    void SetSslConfiguration(const QSslConfiguration &configuration) { m_ssl = configuration; }
    void Send(const QUrl &endpoint, const TFields &fields);
    bool IsSending() const { return !m_reply.isNull(); }

signals:
    // errorText is empty for Sent and Refused.
    void finished(TReportSender::TOutcome outcome, const QString &errorText);

private:
    void replied();

    QNetworkAccessManager *const m_network;
    QSslConfiguration m_ssl = QSslConfiguration::defaultConfiguration();
    QPointer<QNetworkReply> m_reply;
};
