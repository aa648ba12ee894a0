#pragma once

#include "documents/TDocumentResult.h"
#include "recovery/TJournalEntry.h"

#include <QLockFile>
#include <QString>
#include <memory>

// The journal of this process: a session folder below "journal" in the user
// data folder, locked for as long as the process lives, with one file per
// modified document ("<id>.entry"). A session whose lock is free belongs to a
// process that is gone without ending cleanly (TCrashedSession); a live second
// instance keeps its lock, so its session is never taken for a crashed one.
//
// Write and Discard only touch files of the session folder and may run in a
// worker thread; calls for one id must not overlap (TJournalKeeper runs them
// one after the other).
class TDocumentJournal
{
public:
    // Creates and locks a new session; IsOpen tells whether that worked.
    explicit TDocumentJournal(const QString &userDataDir);
    ~TDocumentJournal();

    TDocumentJournal(const TDocumentJournal &) = delete;
    TDocumentJournal &operator=(const TDocumentJournal &) = delete;

    static QString JournalDir(const QString &userDataDir);
    static QString EntryFileName(const QString &sessionDir, const QString &id);
    static constexpr const char *LockFileName = "session.lock";

    bool IsOpen() const { return m_open; }
    // Why the session could not be opened (German, names the folder).
    QString ErrorText() const { return m_errorText; }
    QString Dir() const { return m_journalDir; }
    QString SessionDir() const { return m_sessionDir; }

    // Through QSaveFile: a failed write leaves the previous entry whole.
    TDocumentResult Write(const TJournalEntry &entry);
    void Discard(const QString &id);
    // The clean end: removes the session with its entries and releases the lock.
    void Close();

private:
    QString m_journalDir;
    QString m_sessionDir;
    std::unique_ptr<QLockFile> m_lock;
    QString m_errorText;
    bool m_open = false;
};
