#include "commands/TEditorSnapshot.h"

#include "editor/TCodeEditor.h"

void TEditorSnapshot::Fill(TWindowSnapshot &snapshot, const TCodeEditor &editor)
{
    snapshot.codeEditorMode = true;
    snapshot.hasSelection = editor.selLength() > 0;
    snapshot.caretLine = editor.caretLine();
    snapshot.lineCount = editor.lineCount();
    snapshot.canUndo = editor.canUndo();
    snapshot.canRedo = editor.canRedo();
    snapshot.wordWrap = editor.wordWrap();
    snapshot.modified = snapshot.modified || editor.isModified();
    if (editor.isReadOnly())
        snapshot.editable = false;
}
