#include "exceptions/TReportSender.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

const QString kScript = QStringLiteral("error_report.php");

QByteArray field(const char *name, const QString &value)
{
    return QByteArray(name) + '=' + QUrl::toPercentEncoding(value);
}

} // namespace

TReportSender::TReportSender(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
}

TReportSender::~TReportSender()
{
    if (m_reply)
        m_reply->abort();
}

QByteArray TReportSender::FormBody(const TFields &fields)
{
    return QByteArrayList{field("application", QStringLiteral("Talvex Studio")), field("fullname", fields.fullName),
                          field("email", fields.email), field("stepstoreproduce", fields.steps),
                          field("reportdata", fields.report)}
        .join('&');
}

bool TReportSender::IsAcceptedReply(const QByteArray &reply)
{
    return reply.startsWith('1');
}

QUrl TReportSender::Endpoint(const QString &address)
{
    QUrl url(address.trimmed());
    if (address.trimmed().isEmpty() || !url.isValid())
        return {};
    if (url.path().endsWith(QLatin1Char('/') + kScript) || url.path() == kScript)
        return url;
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + kScript);
    return url;
}

void TReportSender::Send(const QUrl &endpoint, const TFields &fields)
{
    if (IsSending())
        return;
    if (!endpoint.isValid() || endpoint.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0) {
        // Emitted from the event loop, as a reply would be.
        const QString text = QStringLiteral("Die Adresse für Fehlerberichte \"%1\" ist keine HTTPS-Adresse; der "
                                            "Bericht wird nicht unverschlüsselt gesendet.")
                                 .arg(endpoint.toDisplayString());
        QTimer::singleShot(0, this, [this, text] { emit finished(TOutcome::Failed, text); });
        return;
    }
    QNetworkRequest request(endpoint);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setSslConfiguration(m_ssl);
    request.setTransferTimeout(TimeoutMilliseconds);
    // A redirect must not take the report to a plain address.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = m_network->post(request, FormBody(fields));
    connect(m_reply, &QNetworkReply::finished, this, &TReportSender::replied);
}

void TReportSender::replied()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        emit finished(TOutcome::Failed, reply->errorString());
        return;
    }
    emit finished(IsAcceptedReply(reply->readAll()) ? TOutcome::Sent : TOutcome::Refused, QString());
}
