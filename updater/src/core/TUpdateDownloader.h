#pragma once

#include "TUpdateFile.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <vector>

class QNetworkReply;

struct TDownloadOutcome {
    bool completed = false; // every entry downloaded, checked and unpacked
    bool aborted = false;   // the user stopped it
    QString error;          // German; what failed
};

// Downloads the chosen entries one after another into the private update
// folder, checks each archive's size and the unpacked file's SHA-1 against
// the list and writes "updatedata.ini" for the helper. Whatever goes wrong,
// and an abort, leaves the folder empty: nothing of a broken or partial
// download can be installed.
class TUpdateDownloader : public QObject
{
    Q_OBJECT
public:
    explicit TUpdateDownloader(QObject *parent = nullptr);
    ~TUpdateDownloader() override;

    // folder: prepared by TPrivateFolder; listUrl: the base of relative prefixes.
    void Start(std::vector<TUpdateFile> files, const QString &folder, const QUrl &listUrl);
    void Abort();
    bool Running() const { return m_running; }

    // Largest unpacked file accepted.
    static constexpr qint64 MaxFileBytes = qint64(1) << 30;

signals:
    void fileStarted(int number, int total, const QString &fileName);
    void fileProgress(int percent);
    void statusChanged(const QString &text);
    void finished(const TDownloadOutcome &outcome);

private:
    void next();
    void received();
    void arrived();
    QString verifyAndUnpack(const TUpdateFile &file);
    QString writeDataIni();
    void finish(TDownloadOutcome outcome);

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    std::vector<TUpdateFile> m_files;
    QString m_folder;
    QUrl m_listUrl;
    QFile m_archive;
    size_t m_current = 0;
    qint64 m_receivedBytes = 0;
    bool m_running = false;
    bool m_aborted = false;
};
