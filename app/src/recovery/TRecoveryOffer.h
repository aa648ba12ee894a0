#pragma once

#include "recovery/TCrashedSession.h"

#include <QList>
#include <QString>

class TJournalKeeper;
class TPrompter;
class TVYRADocument;

// At start, before the files of the last session are opened again: offers
// the journaled texts of sessions whose process ended without closing them.
// One question lists every document with the time of its journal:
//   Ja        restores each as a modified document (a file that exists is
//             opened and its editor text replaced, so saving writes the same
//             file with its encoding; a never-saved document becomes a new
//             one), then the old sessions go;
//   Nein      discards the journaled texts;
//   Abbrechen keeps them and asks again at the next start.
// A restored text is journaled in the running session before the old
// session is removed, so a crash in between loses nothing.
class TRecoveryOffer
{
public:
    struct TOutcome {
        int offered = 0;                  // documents listed in the question
        QList<TVYRADocument *> restored;  // the documents that hold the texts
        int damaged = 0;                  // entries that could not be read (skipped)
        bool kept = false;                // the user chose to decide later
    };

    TRecoveryOffer(TJournalKeeper &keeper, TPrompter &prompter);

    TOutcome Run();

    // The question for the entries (tests and the caption of the list).
    static QString QuestionText(const QList<TJournalEntry> &entries, int damaged);

private:
    TVYRADocument *restore(const TJournalEntry &entry);
    TVYRADocument *restoreIntoFile(const TJournalEntry &entry);
    TVYRADocument *restoreAsNew(const TJournalEntry &entry);

    TJournalKeeper &m_keeper;
    TPrompter &m_prompter;
};
