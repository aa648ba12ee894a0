#pragma once

#include "recovery/TFileStamp.h"

#include <QObject>
#include <QString>
#include <unordered_map>

class TPrompter;
class TVYRADocument;
class TVYRADocumentContainer;

// Notices plain files changed by another program. The stamp of each plain
// document's file is remembered after it was opened, reloaded or saved; when
// the document's window is activated and the file differs, the user chooses
// between reloading it and keeping the editor's text; a deleted file is
// reported and its text kept. Before a save over a file that changed, the
// user is asked whether to overwrite it. Each state of a file on disk is
// asked about once: a text kept against it is not questioned again, neither
// on activation nor on saving, until the file changes once more.
class TExternalChangeCheck : public QObject
{
    Q_OBJECT
public:
    enum class TResult {
        NotWatched,   // no plain file, or not remembered
        Unchanged,    // the file is as loaded or saved (or the change was asked about before)
        Reloaded,     // the file's new text is in the editor; the document is unmodified
        Kept,         // the user keeps the editor's text; the document is modified
        Deleted,      // the file is gone; the text is kept and the document modified
        ReloadFailed, // reloading failed (reported); the editor's text is unchanged
    };

    TExternalChangeCheck(TVYRADocumentContainer &container, TPrompter &prompter, QObject *parent = nullptr);

    // After the document was opened, reloaded or saved.
    void Remember(TVYRADocument *document);
    // When the document is closed.
    void Forget(TVYRADocument *document);
    bool IsWatched(const TVYRADocument *document) const;

    // When the document's window is activated (and the program's window
    // becomes active again with it in front).
    TResult CheckOnActivate(TVYRADocument *document);
    // Before the document is saved under its own file name; false cancels the save.
    bool ConfirmSave(TVYRADocument *document);

private:
    struct TWatch {
        QString fileName;
        TFileStamp known;   // as loaded or saved
        TFileStamp asked;   // the changed state the user decided about
        bool hasAsked = false;
        bool keep = false;  // the user chose the editor's text over that state
    };

    TWatch *watchOf(const TVYRADocument *document);
    bool reload(TVYRADocument *document);
    void keepText(TVYRADocument *document, TWatch &watch, const TFileStamp &now);

    TVYRADocumentContainer &m_container;
    TPrompter &m_prompter;
    std::unordered_map<const TVYRADocument *, TWatch> m_watches;
};
