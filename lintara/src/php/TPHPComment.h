#pragma once

#include "lintara_export.h"

#include <cstdint>

// One string literal or comment: the characters Start .. Start + Length - 1.
class LINTARA_EXPORT TPHPComment
{
public:
    TPHPComment(int32_t start, int32_t length, bool isLineComment)
        : Start(start), Length(length), IsLineComment(isLineComment)
    {
    }
    int32_t End() const { return Start + Length; }

    int32_t Start;
    int32_t Length;
    bool IsLineComment;
};
