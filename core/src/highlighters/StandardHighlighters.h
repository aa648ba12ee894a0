#pragma once

#include "vyra_export.h"

#include <QString>

class TIHighlighters;

// Entry 0: the keyword-less highlighter under the short name "none".
VYRA_EXPORT void AddDefaultHighlighter(TIHighlighters &highlighters, const QString &longName);
// The six single-language highlighters, entries 1 to 6: html, php,
// javascript, css, xml, sql with their display names.
VYRA_EXPORT void AddStandardHighlighters(TIHighlighters &highlighters);
