#pragma once

#include "editor/TLineState.h"
#include "vyra_export.h"

#include <QStringView>

class TSynCustomHighlighter;

// The highlighter that colours the text at the end of lineUpToCaret, given
// the state at the line's start: for a multi-highlighter the highlighter of
// the scheme open there (its default highlighter outside every scheme), else
// the highlighter itself. Completion catalogues are chosen by it, so a PHP
// block in an HTML file offers PHP functions.
VYRA_EXPORT const TSynCustomHighlighter *ActiveHighlighterAt(const TSynCustomHighlighter &highlighter,
                                                             TLineState lineStart, QStringView lineUpToCaret);
