#pragma once

#include "vyra_export.h"

#include <QString>
#include <functional>

// Where the caret stands in a PHP call on its line.
struct TPHPCallPosition {
    int FunctionIndex = -1; // the catalogue's index of the function; -1 when none
    QString Name;           // the name as typed
    int ParamIndex = 0;     // 0-based parameter the caret is in
    bool Found() const { return FunctionIndex >= 0; }
};

// Finds the innermost call of a known function that encloses the caret on
// its line, and the parameter the caret is in. Scanning goes left from the
// caret: commas count parameters, a closed bracket group is skipped whole,
// and an opening bracket ends the scan when the name before it is a known
// function. Commas and brackets inside string literals and comments do not
// count, and an opening bracket that belongs to no known function (a
// grouping, "array(", "isset(") starts the count anew, since the commas
// counted so far belong to that inner group.
class VYRA_EXPORT TPHPParamScanner
{
public:
    // Returns the catalogue index of a name (any case), or -1.
    using TLookup = std::function<int(const QString &name)>;

    // caretColumn is 1-based; a column beyond the line's end scans from its end.
    static TPHPCallPosition Scan(const QString &line, int caretColumn, const TLookup &lookup);

    // Identifier characters of a PHP name: ASCII letters, digits, "_", the
    // Latin-1 letters from 192 to 255 except 215 and 247, and every
    // character beyond Latin-1.
    static bool IsIdentChar(QChar c);

private:
    // For each character before end: true when it is code, false inside a
    // string literal or a comment.
    static QList<bool> CodeMask(const QString &line, int end);
    static int SkipGroup(const QString &line, const QList<bool> &code, int closing);
};
