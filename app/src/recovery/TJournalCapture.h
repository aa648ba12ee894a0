#pragma once

#include "recovery/TJournalEntry.h"

#include <optional>

class TVYRADocument;
class TVYRADocumentContainer;

// Between a document of the container and its journal entry: takes the text
// from the editor that shows it (with the facts needed to save it the same
// way) and puts a journaled text back. Runs in the main thread.
class TJournalCapture
{
public:
    // Enciphered documents are never journaled: their text in clear must not
    // reach the disk.
    static bool IsJournaled(const TVYRADocument *document);
    // nullopt for a document that is not journaled or has no editor.
    static std::optional<TJournalEntry> Capture(TVYRADocumentContainer &container, TVYRADocument *document,
                                                const QString &id);
    // Replaces the document's editor text by the entry's, as the user's own
    // edit (the document becomes modified), with the entry's encoding and
    // line break. A text equal to the editor's changes nothing. False when the
    // document has no editor for it.
    static bool Restore(TVYRADocumentContainer &container, TVYRADocument *document, const TJournalEntry &entry);
};
