#include "recovery/TRecoveryOffer.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "recovery/TJournalCapture.h"
#include "recovery/TJournalKeeper.h"
#include "ui/TPrompter.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace {

const QString kCaption = QStringLiteral("Wiederherstellung");

QString describe(const TJournalEntry &entry)
{
    const QString when = entry.time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
    const QString where = entry.HasFile() ? QDir::toNativeSeparators(entry.fileName)
                                          : QStringLiteral("nie gespeichert");
    return QStringLiteral("  • %1 (%2), gesichert am %3").arg(entry.displayName, where, when);
}

// The code editor reads a large file in slices from the event loop; the
// journaled text may only replace it once it is all there.
void waitForLoad(TVYRADocumentContainer &container, TVYRADocument *document)
{
    const int index = container.Documents().IndexOf(document);
    TCodeEditor *code = index >= 0 ? container.GetSynEdit(index) : nullptr;
    if (!code || !code->isLoading())
        return;
    QEventLoop loop;
    QObject::connect(code, &TCodeEditor::loadFinished, &loop, &QEventLoop::quit);
    QObject::connect(code, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (code->isLoading())
        loop.exec();
}

} // namespace

TRecoveryOffer::TRecoveryOffer(TJournalKeeper &keeper, TPrompter &prompter)
    : m_keeper(keeper), m_prompter(prompter)
{
}

QString TRecoveryOffer::QuestionText(const QList<TJournalEntry> &entries, int damaged)
{
    QStringList lines;
    lines << QStringLiteral("Talvex Studio wurde zuletzt nicht ordnungsgemäß beendet. Von folgenden Dokumenten gibt "
                            "es ungespeicherte Änderungen:")
          << QString();
    for (const TJournalEntry &entry : entries)
        lines << describe(entry);
    if (damaged == 1)
        lines << QString()
              << QStringLiteral("Ein gesicherter Text ist beschädigt und kann nicht wiederhergestellt werden.");
    else if (damaged > 1)
        lines << QString()
              << QStringLiteral("%1 gesicherte Texte sind beschädigt und können nicht wiederhergestellt werden.")
                     .arg(damaged);
    lines << QString()
          << QStringLiteral("Sollen diese Dokumente wiederhergestellt werden?") << QString()
          << QStringLiteral("Ja: wiederherstellen (die Dokumente werden als geändert geöffnet)")
          << QStringLiteral("Nein: die gesicherten Änderungen endgültig verwerfen")
          << QStringLiteral("Abbrechen: jetzt nichts tun und beim nächsten Start erneut fragen");
    return lines.join(QLatin1Char('\n'));
}

TRecoveryOffer::TOutcome TRecoveryOffer::Run()
{
    TOutcome outcome;
    TDocumentJournal &journal = m_keeper.Journal();
    std::vector<std::unique_ptr<TCrashedSession>> sessions =
        TCrashedSession::ClaimAll(journal.Dir(), journal.SessionDir());
    QList<TJournalEntry> entries;
    for (const auto &session : sessions) {
        entries += session->Entries();
        outcome.damaged += session->DamagedCount();
    }
    outcome.offered = int(entries.size());
    if (entries.isEmpty()) {
        // Nothing readable is left of them: leftovers of ended processes.
        for (const auto &session : sessions)
            session->Remove();
        return outcome;
    }
    const TPromptButton answer =
        m_prompter.question(QuestionText(entries, outcome.damaged),
                            TPromptButton::Yes | TPromptButton::No | TPromptButton::Cancel, kCaption,
                            TPromptButton::Yes);
    if (answer == TPromptButton::Cancel || answer == TPromptButton::NoButton) {
        outcome.kept = true;
        for (const auto &session : sessions)
            session->Release();
        return outcome;
    }
    if (answer == TPromptButton::Yes) {
        QStringList failed;
        for (const auto &session : sessions) {
            for (const TJournalEntry &entry : QList<TJournalEntry>(session->Entries())) {
                TVYRADocument *document = restore(entry);
                if (!document) {
                    failed << entry.displayName;
                    continue;
                }
                outcome.restored.append(document);
                m_keeper.JournalNow(document);
                // Journaled anew before the old entry goes.
                m_keeper.WaitForWrites();
                session->RemoveEntry(entry.id);
            }
        }
        if (!failed.isEmpty()) {
            // Kept for the next start rather than lost.
            m_prompter.error(QStringLiteral("Folgende Dokumente konnten nicht wiederhergestellt werden: %1. "
                                            "Die gesicherten Texte bleiben erhalten; beim nächsten Start wird "
                                            "erneut gefragt.")
                                 .arg(failed.join(QStringLiteral(", "))),
                             kCaption);
            for (const auto &session : sessions)
                session->Release();
            outcome.kept = true;
            return outcome;
        }
    }
    for (const auto &session : sessions)
        session->Remove();
    return outcome;
}

TVYRADocument *TRecoveryOffer::restore(const TJournalEntry &entry)
{
    if (entry.HasFile() && QFileInfo(entry.fileName).isFile()) {
        if (TVYRADocument *document = restoreIntoFile(entry))
            return document;
    }
    TVYRADocument *document = restoreAsNew(entry);
    if (document && entry.HasFile())
        m_prompter.warning(QStringLiteral("Die Datei \"%1\" konnte nicht geöffnet werden. Der gesicherte Text wurde "
                                          "in einem neuen Dokument wiederhergestellt; speichern Sie ihn unter "
                                          "einem Namen Ihrer Wahl.")
                               .arg(QDir::toNativeSeparators(entry.fileName)),
                           kCaption);
    return document;
}

TVYRADocument *TRecoveryOffer::restoreIntoFile(const TJournalEntry &entry)
{
    TVYRADocumentContainer &container = m_keeper.Container();
    if (container.OpenDocument(entry.fileName) != lrSuccess)
        return nullptr;
    TVYRADocument *document = nullptr;
    for (int i = 0; i < container.GetDocumentCount() && !document; ++i) {
        TVYRADocument *candidate = container.GetDocument(i);
        if (candidate->GetFileExists() && candidate->GetFileName() == entry.fileName)
            document = candidate;
    }
    if (!document || !TJournalCapture::IsJournaled(document))
        return nullptr;
    waitForLoad(container, document);
    return TJournalCapture::Restore(container, document, entry) ? document : nullptr;
}

TVYRADocument *TRecoveryOffer::restoreAsNew(const TJournalEntry &entry)
{
    TVYRADocumentContainer &container = m_keeper.Container();
    const int index = container.NewDocument();
    TVYRADocument *document = container.IsIndexValid(index) ? container.GetDocument(index) : nullptr;
    if (!document)
        return nullptr;
    if (!TJournalCapture::Restore(container, document, entry)) {
        container.CloseDocument(index, fcoRemoveAlways, true);
        return nullptr;
    }
    // An empty text still stands for a document the user had.
    document->SetModified(true);
    return document;
}
