#include "editor/TActiveHighlighter.h"

#include "editor/TScheme.h"
#include "editor/TSynLineOutput.h"
#include "editor/TSynMultiSyn.h"

const TSynCustomHighlighter *ActiveHighlighterAt(const TSynCustomHighlighter &highlighter, TLineState lineStart,
                                                 QStringView lineUpToCaret)
{
    const auto *multi = dynamic_cast<const TSynMultiSyn *>(&highlighter);
    if (!multi)
        return &highlighter;
    TSynLineOutput discarded;
    // A part, not a line: what is open at the caret stays open.
    multi->highlightPart(lineUpToCaret, lineStart, discarded);
    if (lineStart.scheme >= 0 && lineStart.scheme < multi->schemeCount()) {
        if (const TSynCustomHighlighter *inner = multi->scheme(lineStart.scheme).highlighter())
            return inner;
    }
    if (const TSynCustomHighlighter *outer = multi->defaultHighlighter())
        return outer;
    return &highlighter;
}
