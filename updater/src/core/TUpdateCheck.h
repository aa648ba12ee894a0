#pragma once

#include "TUpdateDecision.h"
#include "TUpdateFile.h"
#include "TUpdateLayout.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <vector>

class QNetworkReply;

// What a check found: the entries offered, in list order.
struct TUpdateCheckResult {
    std::vector<TUpdateFile> offered;
    QString error;                    // German; empty when the list was read and evaluated
    bool programLeftToSystem = false; // entries for the program folder were left out
    bool ok() const { return error.isEmpty(); }
    bool UpdatesAvailable() const { return !offered.empty(); }
    bool OnlyOptional() const;
};

// Fetches the update list and decides which entries are offered. The fetch
// runs on the event loop; finished() reports the result once.
class TUpdateCheck : public QObject
{
    Q_OBJECT
public:
    TUpdateCheck(TUpdateLayout layout, TUpdateDecision decision, QObject *parent = nullptr);
    ~TUpdateCheck() override;

    void Start(const QUrl &listUrl, bool includeOptional);
    void Abort();

    // The evaluation of a list already read (no network).
    static TUpdateCheckResult Evaluate(const QByteArray &xml, const QUrl &listUrl, const TUpdateLayout &layout,
                                       const TUpdateDecision &decision, bool includeOptional);

signals:
    void finished(const TUpdateCheckResult &result);

private:
    void listArrived();

    TUpdateLayout m_layout;
    TUpdateDecision m_decision;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QUrl m_listUrl;
    bool m_includeOptional = false;
};
