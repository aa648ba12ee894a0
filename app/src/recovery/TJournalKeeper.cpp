#include "recovery/TJournalKeeper.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "recovery/TJournalCapture.h"

#include <QUuid>
#include <algorithm>

TJournalKeeper::TJournalKeeper(TVYRADocumentContainer &container, std::unique_ptr<TDocumentJournal> journal,
                               const TJournalTiming &timing, QObject *parent)
    : QObject(parent), m_container(container), m_journal(std::move(journal)), m_timing(timing)
{
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(-1);
}

TJournalKeeper::~TJournalKeeper()
{
    EndSession();
}

void TJournalKeeper::DocumentChanged(TVYRADocument *document)
{
    if (!document || !document->GetModified())
        return;
    TState &state = stateOf(document);
    if (!TJournalCapture::IsJournaled(document)) {
        // Enciphered since it was journaled: its clear text goes from the disk.
        state.timer->stop();
        discard(state);
        return;
    }
    if (!state.dirtySince.isValid())
        state.dirtySince.start();
    schedule(document, state);
}

void TJournalKeeper::DocumentSaved(TVYRADocument *document)
{
    const auto found = m_states.find(document);
    if (found == m_states.end())
        return;
    found->second.timer->stop();
    found->second.dirtySince.invalidate();
    discard(found->second);
}

void TJournalKeeper::DocumentClosed(TVYRADocument *document)
{
    forget(document);
}

void TJournalKeeper::JournalNow(TVYRADocument *document)
{
    if (!document)
        return;
    stateOf(document).timer->stop();
    write(document);
}

void TJournalKeeper::WaitForWrites()
{
    m_pool.waitForDone();
}

void TJournalKeeper::EndSession()
{
    for (auto &[document, state] : m_states)
        state.timer->stop();
    m_pool.waitForDone();
    m_journal->Close();
}

QString TJournalKeeper::IdOf(const TVYRADocument *document) const
{
    const auto found = m_states.find(document);
    return found != m_states.end() && found->second.written ? found->second.id : QString();
}

bool TJournalKeeper::IsPending(const TVYRADocument *document) const
{
    const auto found = m_states.find(document);
    return found != m_states.end() && found->second.timer->isActive();
}

TJournalKeeper::TState &TJournalKeeper::stateOf(TVYRADocument *document)
{
    auto found = m_states.find(document);
    if (found != m_states.end())
        return found->second;
    TState &state = m_states[document];
    state.id = QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
    state.timer = std::make_unique<QTimer>();
    state.timer->setSingleShot(true);
    connect(state.timer.get(), &QTimer::timeout, this, [this, document] { write(document); });
    // A document freed without DocumentClosed leaves no entry behind.
    connect(document, &QObject::destroyed, this, [this, document] { forget(document); });
    return state;
}

void TJournalKeeper::schedule(TVYRADocument *, TState &state)
{
    int delay = m_timing.pauseMs;
    if (state.dirtySince.isValid() && state.dirtySince.elapsed() >= m_timing.maxDelayMs)
        delay = 0;
    if (state.lastWrite.isValid()) {
        const qint64 sinceWrite = state.lastWrite.elapsed();
        if (sinceWrite < m_timing.minIntervalMs)
            delay = std::max(delay, int(m_timing.minIntervalMs - sinceWrite));
    }
    // Typing goes on: the pause starts again, but a write already overdue
    // keeps its time.
    if (state.timer->isActive() && delay == 0)
        return;
    state.timer->start(delay);
}

void TJournalKeeper::write(TVYRADocument *document)
{
    const auto found = m_states.find(document);
    if (found == m_states.end())
        return;
    TState &state = found->second;
    std::optional<TJournalEntry> entry;
    if (document->GetModified())
        entry = TJournalCapture::Capture(m_container, document, state.id);
    if (!entry) {
        discard(state);
        return;
    }
    state.written = true;
    state.lastWrite.start();
    state.dirtySince.invalidate();
    TDocumentJournal *journal = m_journal.get();
    m_pool.start([this, journal, entry = std::move(*entry)] {
        try {
            const TDocumentResult written = journal->Write(entry);
            if (!written)
                QMetaObject::invokeMethod(this, [this, text = written.errorText] { reportFailure(text); },
                                          Qt::QueuedConnection);
        } catch (...) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    reportFailure(QStringLiteral("Beim Sichern ungespeicherter Texte ist ein unerwarteter Fehler "
                                                 "aufgetreten."));
                },
                Qt::QueuedConnection);
        }
    });
}

void TJournalKeeper::discard(TState &state)
{
    if (!state.written)
        return;
    state.written = false;
    TDocumentJournal *journal = m_journal.get();
    m_pool.start([journal, id = state.id] { journal->Discard(id); });
}

void TJournalKeeper::forget(TVYRADocument *document)
{
    const auto found = m_states.find(document);
    if (found == m_states.end())
        return;
    found->second.timer->stop();
    discard(found->second);
    m_states.erase(found);
}

void TJournalKeeper::reportFailure(const QString &text)
{
    if (m_failureReported)
        return;
    m_failureReported = true;
    emit writeFailed(text);
}
