#include "TUpdateCheck.h"

#include "TUpdateAddress.h"
#include "TUpdateListParser.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

namespace {
constexpr int kTransferTimeoutMs = 60000;
constexpr qint64 kMaxListBytes = 4 * 1024 * 1024;
} // namespace

bool TUpdateCheckResult::OnlyOptional() const
{
    return !offered.empty()
        && std::all_of(offered.begin(), offered.end(), [](const TUpdateFile &file) { return file.Optional; });
}

TUpdateCheck::TUpdateCheck(TUpdateLayout layout, TUpdateDecision decision, QObject *parent)
    : QObject(parent)
    , m_layout(std::move(layout))
    , m_decision(std::move(decision))
{
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

TUpdateCheckResult TUpdateCheck::Evaluate(const QByteArray &xml, const QUrl &listUrl, const TUpdateLayout &layout,
                                          const TUpdateDecision &decision, bool includeOptional)
{
    TUpdateCheckResult result;
    TUpdateList list = TUpdateListParser::Parse(xml);
    if (!list.ok()) {
        result.error = list.error;
        return result;
    }
    for (TUpdateFile &file : list.entries) {
        const QUrl archive = TUpdateAddress::ArchiveUrl(listUrl, file.RemotePath, file.ArchiveName());
        if (!TUpdateAddress::IsAllowed(archive)) {
            result.offered.clear();
            result.error = QStringLiteral("Die Adresse \"%1\" für %2 ist nicht sicher (nur HTTPS ist erlaubt).")
                               .arg(archive.toDisplayString(), file.FileName);
            return result;
        }
        if (!layout.Updatable(file.Target)) {
            result.programLeftToSystem = result.programLeftToSystem || layout.ProgramLeftToSystem();
            continue;
        }
        file.TargetDir = layout.Expand(file.Target);
        const TUpdateDecision::TResult decided = decision.Decide(file, includeOptional);
        if (!decided.error.isEmpty()) {
            result.offered.clear();
            result.error = decided.error;
            return result;
        }
        if (decided.offered)
            result.offered.push_back(file);
    }
    return result;
}

TUpdateCheck::~TUpdateCheck()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void TUpdateCheck::Start(const QUrl &listUrl, bool includeOptional)
{
    m_listUrl = listUrl;
    m_includeOptional = includeOptional;
    if (!TUpdateAddress::IsAllowed(listUrl)) {
        TUpdateCheckResult result;
        result.error = QStringLiteral("Die Adresse \"%1\" der Update-Liste ist nicht sicher (nur HTTPS ist erlaubt).")
                           .arg(listUrl.toDisplayString());
        // Reported from the event loop like every other result.
        QMetaObject::invokeMethod(this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(listUrl);
    request.setTransferTimeout(kTransferTimeoutMs);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kMaxListBytes && m_reply)
            m_reply->abort();
    });
    connect(m_reply, &QNetworkReply::finished, this, &TUpdateCheck::listArrived);
}

void TUpdateCheck::Abort()
{
    if (m_reply)
        m_reply->abort();
}

void TUpdateCheck::listArrived()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    TUpdateCheckResult result;
    if (reply->error() != QNetworkReply::NoError) {
        result.error = QStringLiteral("Die Update-Liste \"%1\" konnte nicht geladen werden: %2")
                           .arg(m_listUrl.toDisplayString(), reply->errorString());
    } else if (reply->url().isValid() && !TUpdateAddress::IsAllowed(reply->url())) {
        result.error = QStringLiteral("Die Update-Liste wurde an die unsichere Adresse \"%1\" umgeleitet.")
                           .arg(reply->url().toDisplayString());
    } else {
        result = Evaluate(reply->readAll(), reply->url(), m_layout, m_decision, m_includeOptional);
    }
    emit finished(result);
}
