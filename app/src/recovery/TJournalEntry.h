#pragma once

#include "editor/TLineBreaks.h"
#include "editor/TTextEncoding.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// What the journal keeps of one modified document: enough to put its text
// back into an editor and save it to the same file the same way.
//
// Stored form (all numbers big-endian):
//   "TSJE" magic, u16 format version (1),
//   id, file name, display name        each u32 byte count + UTF-16LE,
//   u8 encoding, u8 BOM, u8 line break, u8 content kind, i64 time (ms since
//   the epoch, UTC),
//   text                               u32 byte count + UTF-16LE (RTF: Latin-1 bytes),
//   SHA-1 of everything before it (20 bytes).
// The text is kept as the editor holds it, line breaks included, so a CR LF
// file comes back with CR LF.
struct TJournalEntry {
    // Which editor the text belongs to: the code editor, the rich editor on
    // plain text, or the rich editor's formatted text as RTF.
    enum class TContent : quint8 { Code = 0, RichPlain = 1, RichRtf = 2 };

    QString id;          // stable for the life of the document in its session
    QString fileName;    // empty for a document never saved
    QString displayName; // the name the user sees ("Dokument1", "index.php")
    TTextFileFormat format;
    TLineBreak lineBreak = TLineBreak::lbLF;
    TContent content = TContent::Code;
    QDateTime time;
    QString text;

    bool HasFile() const { return !fileName.isEmpty(); }

    QByteArray Encode() const;
    // nullopt for anything that is not a whole, undamaged entry; never
    // allocates more than the input holds.
    static std::optional<TJournalEntry> Decode(const QByteArray &bytes);
};
