#pragma once

#include "editor/TCodeEditor.h"

// Edits made while it lives are undone in one step.
class TUndoGroup
{
public:
    explicit TUndoGroup(TCodeEditor &editor) : m_editor(editor) { m_editor.beginUndoGroup(); }
    ~TUndoGroup() { m_editor.endUndoGroup(); }
    TUndoGroup(const TUndoGroup &) = delete;
    TUndoGroup &operator=(const TUndoGroup &) = delete;

private:
    TCodeEditor &m_editor;
};
