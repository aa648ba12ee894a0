#pragma once

#include "recovery/TDocumentJournal.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <memory>
#include <unordered_map>

class TVYRADocument;
class TVYRADocumentContainer;

// When a changed text is written to the journal.
struct TJournalTiming {
    int pauseMs = 2000;        // written once typing has paused this long
    int minIntervalMs = 5000;  // at most one write per document in this time
    int maxDelayMs = 30000;    // written even while typing goes on without a pause
};

// Keeps the journal of the open documents: the main window tells it about
// changed, saved and closed documents, and it writes the text of each
// modified document after a pause in typing. The text is copied in the main
// thread (only the editor knows it) and encoded and written by one worker
// thread, in the order asked, so typing never waits for the disk and a
// removal never overtakes an earlier write of the same document.
// Enciphered documents are not journaled (TJournalCapture::IsJournaled).
class TJournalKeeper : public QObject
{
    Q_OBJECT
public:
    TJournalKeeper(TVYRADocumentContainer &container, std::unique_ptr<TDocumentJournal> journal,
                   const TJournalTiming &timing = {}, QObject *parent = nullptr);
    // Ends the session cleanly (EndSession).
    ~TJournalKeeper() override;

    TDocumentJournal &Journal() { return *m_journal; }
    TVYRADocumentContainer &Container() { return m_container; }

    // From the container's OnChange handler.
    void DocumentChanged(TVYRADocument *document);
    // After the document was written to its file.
    void DocumentSaved(TVYRADocument *document);
    // When the document is closed (saved or discarded).
    void DocumentClosed(TVYRADocument *document);
    // Writes the document's text now, without waiting for a pause.
    void JournalNow(TVYRADocument *document);
    // Waits until every write and removal asked for is done.
    void WaitForWrites();
    // The clean end of the program: waits for the writes and removes the session.
    void EndSession();

    // The id of the document's entry (empty when it has none).
    QString IdOf(const TVYRADocument *document) const;
    // A write is waiting for the pause to end.
    bool IsPending(const TVYRADocument *document) const;

signals:
    // A write failed (at most once per session, so typing is not interrupted
    // again and again); text is German and names the folder or file.
    void writeFailed(const QString &text);

private:
    struct TState {
        QString id;
        std::unique_ptr<QTimer> timer;
        QElapsedTimer lastWrite;
        QElapsedTimer dirtySince;
        bool written = false;
    };

    TState &stateOf(TVYRADocument *document);
    void schedule(TVYRADocument *document, TState &state);
    void write(TVYRADocument *document);
    void discard(TState &state);
    void forget(TVYRADocument *document);
    void reportFailure(const QString &text);

    TVYRADocumentContainer &m_container;
    std::unique_ptr<TDocumentJournal> m_journal;
    TJournalTiming m_timing;
    // One thread: jobs run in the order queued.
    QThreadPool m_pool;
    std::unordered_map<const TVYRADocument *, TState> m_states;
    bool m_failureReported = false;
};
