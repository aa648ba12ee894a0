#pragma once

#include "vyra_export.h"

#include <QString>

// The stored formats a file may be recognised as (first field of each format).
enum TVYRAFileType { ftDefault = 0, ftDocument, ftTemplate, ftProject, ftDataFile };
constexpr int TVYRAFileTypeCount = 5;

// Which editor controls the documents get.
// Scoped: the file-type registry has a verb set with an `etBoth` of its own.
enum class TVYRAEditorTypes { etCodeEditor, etRichEditor, etBoth };

// The process-wide table of identification strings, one per stored format.
// It may be changed only until the first core object has been constructed.
class VYRA_EXPORT TVYRAFileTypeRecognizers
{
public:
    static QString get(TVYRAFileType fileType);
    // Raises EVYRAInvalidOperation once a core exists, or for ftDefault.
    static void set(TVYRAFileType fileType, const QString &value);

    // Recorded at the end of the first full construction of a core; never cleared.
    static void markCoreConstructed();
    static bool coreConstructed();

    // Finds the format whose identification string equals the text; ftDefault
    // when none does (the empty ftDefault entry never matches a non-empty text).
    static TVYRAFileType recognize(const QString &identification);
};
