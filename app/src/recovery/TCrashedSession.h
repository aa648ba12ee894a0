#pragma once

#include "recovery/TJournalEntry.h"

#include <QList>
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

// The journal session of a process that ended without closing it. Claiming
// takes the session's lock, so two starting instances never offer the same
// texts; a session whose process still runs cannot be claimed. Damaged
// entries are skipped (counted) and go with the session.
class TCrashedSession
{
public:
    // Every claimable session below journalDir except ownSessionDir, oldest first.
    static std::vector<std::unique_ptr<TCrashedSession>> ClaimAll(const QString &journalDir,
                                                                  const QString &ownSessionDir);

    ~TCrashedSession();
    TCrashedSession(const TCrashedSession &) = delete;
    TCrashedSession &operator=(const TCrashedSession &) = delete;

    QString Dir() const { return m_dir; }
    // The readable entries, oldest first.
    const QList<TJournalEntry> &Entries() const { return m_entries; }
    int DamagedCount() const { return m_damaged; }

    // Deletes one entry (its text was restored).
    void RemoveEntry(const QString &id);
    // Deletes the session with every entry (restored or discarded).
    void Remove();
    // Keeps the session for a later start and gives up the lock.
    void Release();

private:
    TCrashedSession(const QString &dir, std::unique_ptr<QLockFile> lock);
    void readEntries();

    QString m_dir;
    std::unique_ptr<QLockFile> m_lock;
    QList<TJournalEntry> m_entries;
    int m_damaged = 0;
};
