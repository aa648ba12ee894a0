#include "TUpdateDownloader.h"

#include "TPrivateFolder.h"
#include "TUpdateAddress.h"
#include "TUpdateDecision.h"
#include "TUpdateNames.h"
#include "TUpdateUnpacker.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>
#include <algorithm>

namespace {
constexpr int kTransferTimeoutMs = 60000;
} // namespace

TUpdateDownloader::TUpdateDownloader(QObject *parent)
    : QObject(parent)
{
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

TUpdateDownloader::~TUpdateDownloader()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        // A download cut off by the end of the program is never installed.
        m_archive.close();
        TPrivateFolder::Empty(m_folder);
    }
}

void TUpdateDownloader::Start(std::vector<TUpdateFile> files, const QString &folder, const QUrl &listUrl)
{
    m_files = std::move(files);
    m_folder = folder;
    m_listUrl = listUrl;
    m_current = 0;
    m_running = true;
    m_aborted = false;
    emit statusChanged(QStringLiteral("Verbindung wird hergestellt..."));
    next();
}

void TUpdateDownloader::Abort()
{
    m_aborted = true;
    if (m_reply)
        m_reply->abort();
}

void TUpdateDownloader::next()
{
    // Checked before every entry: an abort between two files stops the loop.
    if (m_aborted) {
        finish({false, true, {}});
        return;
    }
    if (m_current >= m_files.size()) {
        const QString error = writeDataIni();
        if (!error.isEmpty()) {
            finish({false, false, error});
            return;
        }
        emit statusChanged(QStringLiteral("Download beendet."));
        finish({true, false, {}});
        return;
    }
    const TUpdateFile &file = m_files[m_current];
    const QUrl url = TUpdateAddress::ArchiveUrl(m_listUrl, file.RemotePath, file.ArchiveName());
    if (!TUpdateAddress::IsAllowed(url)) {
        finish({false, false, QStringLiteral("Die Adresse \"%1\" ist nicht sicher (nur HTTPS ist erlaubt).")
                                  .arg(url.toDisplayString())});
        return;
    }
    m_archive.setFileName(m_folder + file.ArchiveName());
    if (!m_archive.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        finish({false, false, QStringLiteral("\"%1\" kann nicht angelegt werden: %2")
                                  .arg(m_archive.fileName(), m_archive.errorString())});
        return;
    }
    m_receivedBytes = 0;
    emit fileStarted(int(m_current) + 1, int(m_files.size()), file.FileName);
    emit statusChanged(QStringLiteral("Download wurde gestartet..."));
    emit fileProgress(0);

    QNetworkRequest request(url);
    request.setTransferTimeout(kTransferTimeoutMs);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &TUpdateDownloader::received);
    connect(m_reply, &QNetworkReply::finished, this, &TUpdateDownloader::arrived);
}

void TUpdateDownloader::received()
{
    if (!m_reply)
        return;
    const QByteArray data = m_reply->readAll();
    m_receivedBytes += data.size();
    const qint64 listed = m_files[m_current].Size;
    // More than the list announced is not what the list describes.
    if ((listed > 0 && m_receivedBytes > listed) || m_receivedBytes > MaxFileBytes || m_archive.write(data) != data.size()) {
        m_reply->abort();
        return;
    }
    // Reported from the data itself: the reply's own progress signal is held back for short transfers.
    const qint64 expected = listed > 0 ? listed : m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (expected > 0)
        emit fileProgress(int(std::min<qint64>(m_receivedBytes * 100 / expected, 100)));
    emit statusChanged(QStringLiteral("Datei \"%1\" wird heruntergeladen...").arg(m_files[m_current].FileName));
}

void TUpdateDownloader::arrived()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    if (reply->bytesAvailable() > 0 && reply->error() == QNetworkReply::NoError) {
        const QByteArray rest = reply->readAll();
        m_receivedBytes += rest.size();
        m_archive.write(rest);
    }
    const bool written = m_archive.flush();
    m_archive.close();
    const TUpdateFile &file = m_files[m_current];
    if (m_aborted) {
        finish({false, true, {}});
        return;
    }
    if (reply->error() != QNetworkReply::NoError || !written) {
        const QString reason = written ? reply->errorString() : m_archive.errorString();
        finish({false, false, QStringLiteral("Das Update \"%1\" konnte nicht heruntergeladen werden: %2")
                                  .arg(file.ArchiveName(), reason)});
        return;
    }
    const QString error = verifyAndUnpack(file);
    if (!error.isEmpty()) {
        finish({false, false, error});
        return;
    }
    ++m_current;
    next();
}

QString TUpdateDownloader::verifyAndUnpack(const TUpdateFile &file)
{
    if (file.Size > 0 && m_receivedBytes != file.Size)
        return QStringLiteral("Das Update \"%1\" hat die falsche Größe (%2 statt %3 Byte).")
            .arg(file.ArchiveName())
            .arg(m_receivedBytes)
            .arg(file.Size);
    if (file.SHA1.isEmpty())
        return QStringLiteral("Für \"%1\" nennt die Update-Liste keine Prüfsumme; die Datei wird nicht installiert.")
            .arg(file.FileName);
    const QString unpacked = m_folder + file.FileName;
    const QString error = TUpdateUnpacker::Extract(m_archive.fileName(), file.FileName, unpacked, MaxFileBytes);
    QFile::remove(m_archive.fileName());
    if (!error.isEmpty())
        return error;
    if (TUpdateDecision::FileSHA1(unpacked) != file.SHA1.toUpper())
        return QStringLiteral("Die Prüfsumme von \"%1\" stimmt nicht mit der Update-Liste überein; "
                              "die Datei wurde verändert oder beschädigt.")
            .arg(file.FileName);
    return {};
}

QString TUpdateDownloader::writeDataIni()
{
    QSettings ini(m_folder + TUpdateNames::DataIni(), QSettings::IniFormat);
    ini.beginGroup(TUpdateNames::DataIniSection());
    for (const TUpdateFile &file : m_files)
        ini.setValue(file.FileName, file.TargetDir);
    ini.endGroup();
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return QStringLiteral("\"%1\" konnte nicht geschrieben werden.").arg(m_folder + TUpdateNames::DataIni());
    return {};
}

void TUpdateDownloader::finish(TDownloadOutcome outcome)
{
    m_running = false;
    if (!outcome.completed)
        TPrivateFolder::Empty(m_folder);
    emit finished(outcome);
}
