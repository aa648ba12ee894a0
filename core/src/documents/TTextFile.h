#pragma once

#include "documents/TDocumentResult.h"
#include "editor/TLineBreaks.h"
#include "editor/TTextEncoding.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QString>

// A user's plain text file, read as the code editor reads it (TTextDecoder):
// a BOM decides the encoding; otherwise valid UTF-8 is UTF-8 and anything
// else Windows-1252. The text is kept exactly as read (line breaks
// included), so writing it back gives the same bytes; the line-break style
// and the final newline are recorded for the editor, which uses them for new
// lines.
struct VYRA_EXPORT TTextFile {
    QString text;
    TTextFileFormat format;
    TLineBreak lineBreak = TLineBreak::lbLF;
    bool finalNewline = false;

    static TTextFile Decode(const QByteArray &bytes);
    // Fails with a German message (and no bytes) when a character of the
    // text cannot be written in the file's encoding.
    TDocumentResult Encode(QByteArray &bytes) const;

    // A missing or unreadable file fails with a message.
    static TDocumentResult Load(const QString &fileName, TTextFile &file);
    // Through QSaveFile: on failure the file on disk stays as it was.
    TDocumentResult Save(const QString &fileName) const;

    // The style of the text's first line break (LF when there is none), as
    // the code editor takes it for new lines.
    static TLineBreak DetectLineBreak(const QString &text);
    static QString LineBreakText(TLineBreak lineBreak);
};
