#pragma once

#include "vyra_export.h"

#include <QString>

class TSynCustomHighlighter;

// The colours and styles of one highlighter, kept in "<dir>/<short name>.dat":
// <highlighterattributes name="php"><attribute name=... foreground=...
// background=... style=.../>...</highlighterattributes>.
class VYRA_EXPORT THighlighterAttributeFile
{
public:
    // Empty for an empty short name: such a highlighter has no file.
    static QString FileName(const QString &dir, const QString &shortName);
    // False when the file is missing, damaged or of another kind; the
    // highlighter is then left as it was.
    static bool Load(TSynCustomHighlighter &highlighter, const QString &fileName);
    // Raises EVYRAException when the file cannot be written.
    static void Save(const TSynCustomHighlighter &highlighter, const QString &fileName);
};
