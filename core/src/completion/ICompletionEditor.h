#pragma once

#include <QString>

// What a completion component needs to know of the editor it is attached to.
class ICompletionEditor
{
public:
    virtual ~ICompletionEditor() = default;
    // Text of the caret's line, without its line break.
    virtual QString CaretLineText() const = 0;
    // 1-based column of the caret in characters; beyond the line's end when
    // the caret stands in virtual space.
    virtual int CaretColumn() const = 0;
};
