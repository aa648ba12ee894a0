#pragma once

#include "commands/TWindowSnapshot.h"

class TCodeEditor;

// Fills the editor part of a window snapshot from the active code editor:
// selection, caret line, line count, undo and redo, word wrap, modified.
// Whether the document may be edited is the container's word and stays as
// the caller set it; a read-only editor clears it.
class TEditorSnapshot
{
public:
    static void Fill(TWindowSnapshot &snapshot, const TCodeEditor &editor);
};
