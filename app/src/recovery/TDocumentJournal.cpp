#include "recovery/TDocumentJournal.h"

#include "documents/TSafeFileWriter.h"
#include "utils/TFileErrorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUuid>

TDocumentJournal::TDocumentJournal(const QString &userDataDir)
    : m_journalDir(JournalDir(userDataDir))
{
    // The process id makes a session easy to match with a process when
    // looking at the folder; the random part keeps a reused id apart.
    const QString name = QStringLiteral("%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QUuid::createUuid().toString(QUuid::Id128).left(8));
    m_sessionDir = QDir(m_journalDir).filePath(name);
    if (!QDir().mkpath(m_sessionDir)) {
        m_errorText = QStringLiteral("Der Ordner \"%1\" für die Sicherung ungespeicherter Texte konnte nicht "
                                     "angelegt werden.")
                          .arg(QDir::toNativeSeparators(m_sessionDir));
        return;
    }
    m_lock = std::make_unique<QLockFile>(QDir(m_sessionDir).filePath(QLatin1String(LockFileName)));
    // Only a process that is gone leaves a stale lock, however old it is.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_errorText = QStringLiteral("Die Sicherung ungespeicherter Texte in \"%1\" konnte nicht gesperrt werden.")
                          .arg(QDir::toNativeSeparators(m_sessionDir));
        m_lock.reset();
        QDir(m_sessionDir).removeRecursively();
        return;
    }
    m_open = true;
}

TDocumentJournal::~TDocumentJournal() = default;

QString TDocumentJournal::JournalDir(const QString &userDataDir)
{
    return QDir(userDataDir).filePath(QStringLiteral("journal"));
}

QString TDocumentJournal::EntryFileName(const QString &sessionDir, const QString &id)
{
    // Ids are GUIDs; anything else is made harmless for a file name.
    QString safe = id;
    safe.remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    for (QChar &c : safe) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    }
    return QDir(sessionDir).filePath(safe + QStringLiteral(".entry"));
}

TDocumentResult TDocumentJournal::Write(const TJournalEntry &entry)
{
    if (!m_open)
        return TDocumentResult::failure(m_errorText);
    return TSafeFileWriter::Write(EntryFileName(m_sessionDir, entry.id), entry.Encode());
}

void TDocumentJournal::Discard(const QString &id)
{
    if (m_open)
        QFile::remove(EntryFileName(m_sessionDir, id));
}

void TDocumentJournal::Close()
{
    if (!m_open)
        return;
    m_open = false;
    // Entries first, the lock last: a folder without a lock that is left over
    // is only ever removed, never offered.
    QDir dir(m_sessionDir);
    for (const QString &name : dir.entryList({QStringLiteral("*.entry")}, QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
    m_lock->unlock();
    m_lock.reset();
    dir.removeRecursively();
}
