#pragma once

#include "vyra_export.h"

#include <QByteArray>

class QTextDocument;

// Reads the RTF subset the rich editor writes and most word processors
// produce: font and colour tables, font, size, bold, italic, underline,
// strike-out, colour, paragraph alignment, paragraphs, line breaks, tabs,
// "\'hh" (Windows-1252) and "\uN" escapes, HYPERLINK fields. Unknown
// destinations are skipped. Damaged input never fails: what can be read is
// kept. Nesting deeper than MaxDepth is flattened.
class VYRA_EXPORT TRtfReader
{
public:
    static constexpr int MaxDepth = 200;

    // Replaces the document's content. Returns false when data does not
    // start like RTF ("{\rtf"); the document is then left alone.
    static bool read(const QByteArray &data, QTextDocument &document);
    static bool looksLikeRtf(const QByteArray &data);
};
