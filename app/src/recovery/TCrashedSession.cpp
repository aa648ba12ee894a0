#include "recovery/TCrashedSession.h"

#include "recovery/TDocumentJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// Larger entries are not read: no editor session journals that much text.
constexpr qint64 kMaxEntrySize = qint64(1) << 30;

} // namespace

std::vector<std::unique_ptr<TCrashedSession>> TCrashedSession::ClaimAll(const QString &journalDir,
                                                                        const QString &ownSessionDir)
{
    std::vector<std::unique_ptr<TCrashedSession>> sessions;
    const QDir root(journalDir);
    const QString own = QFileInfo(ownSessionDir).canonicalFilePath();
    const QFileInfoList folders = root.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time | QDir::Reversed);
    for (const QFileInfo &folder : folders) {
        if (!own.isEmpty() && folder.canonicalFilePath() == own)
            continue;
        auto lock = std::make_unique<QLockFile>(
            QDir(folder.filePath()).filePath(QLatin1String(TDocumentJournal::LockFileName)));
        lock->setStaleLockTime(0);
        // Fails while the owning process lives (this one included).
        if (!lock->tryLock(0))
            continue;
        std::unique_ptr<TCrashedSession> session(new TCrashedSession(folder.filePath(), std::move(lock)));
        session->readEntries();
        sessions.push_back(std::move(session));
    }
    return sessions;
}

TCrashedSession::TCrashedSession(const QString &dir, std::unique_ptr<QLockFile> lock)
    : m_dir(dir), m_lock(std::move(lock))
{
}

TCrashedSession::~TCrashedSession() = default;

void TCrashedSession::readEntries()
{
    const QDir dir(m_dir);
    for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("*.entry")}, QDir::Files)) {
        QFile file(info.filePath());
        if (info.size() > kMaxEntrySize || !file.open(QIODevice::ReadOnly)) {
            ++m_damaged;
            continue;
        }
        if (std::optional<TJournalEntry> entry = TJournalEntry::Decode(file.readAll()))
            m_entries.append(std::move(*entry));
        else
            ++m_damaged;
    }
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const TJournalEntry &a, const TJournalEntry &b) { return a.time < b.time; });
}

void TCrashedSession::RemoveEntry(const QString &id)
{
    if (!m_lock)
        return;
    QFile::remove(TDocumentJournal::EntryFileName(m_dir, id));
    m_entries.removeIf([&id](const TJournalEntry &entry) { return entry.id == id; });
}

void TCrashedSession::Remove()
{
    if (!m_lock)
        return;
    const QDir dir(m_dir);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (name != QLatin1String(TDocumentJournal::LockFileName))
            QFile::remove(dir.filePath(name));
    }
    m_lock->unlock();
    m_lock.reset();
    QDir(m_dir).removeRecursively();
}

void TCrashedSession::Release()
{
    if (!m_lock)
        return;
    m_lock->unlock();
    m_lock.reset();
}
