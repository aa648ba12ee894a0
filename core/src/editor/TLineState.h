#pragma once

#include "vyra_export.h"

#include <QHash>
#include <QString>

// The range one highlighter carries from the end of a line to the start of the
// next: what construct is open (kind, highlighter-specific), a nesting depth
// (template strings, nested comments), small flags, and a label for heredocs.
struct VYRA_EXPORT TSynRange
{
    quint8 kind = 0;
    quint8 depth = 0;
    quint16 flags = 0;
    QString label;

    bool operator==(const TSynRange &other) const = default;
};

// The whole state at a line boundary: the open scheme of a multi-highlighter
// (-1 = none), the range of the highlighter that is active inside that scheme,
// the range of the default (outer) highlighter, and the fold level. A PHP
// block may open inside another scheme (a script or style block); that
// scheme is then suspended with the range its highlighter had, and goes on
// from there when PHP ends. The table of line states keeps what does not fit
// into the editor's integer per line.
struct VYRA_EXPORT TLineState
{
    qint16 scheme = -1;
    qint16 foldLevel = 0;
    qint16 suspendedScheme = -1;
    TSynRange range;
    TSynRange outerRange;
    TSynRange suspendedRange;

    bool operator==(const TLineState &other) const = default;
};

VYRA_EXPORT size_t qHash(const TSynRange &range, size_t seed = 0) noexcept;
VYRA_EXPORT size_t qHash(const TLineState &state, size_t seed = 0) noexcept;
