#include "mainwindow/TMainWindowSnapshot.h"

#include "commands/TEditorSnapshot.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "facade/TVYRAEditor.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"

#include <QDir>

namespace {

void fillActiveDocument(TWindowSnapshot &s, TVYRADocumentContainer &container, int index)
{
    TVYRADocument *document = container.GetDocument(index);
    if (!document)
        return;
    s.hasActiveDocument = true;
    s.editable = true;
    s.modified = document->GetModified();
    s.hasFile = document->GetFileExists();
    s.isTemplate = TVYRAFileTypeRecognizers::recognize(document->FileTypeText()) == ftTemplate;
    s.codeEditorMode = document->EditorMode();
    TCodeEditor *code = container.GetSynEdit(index);
    if (s.codeEditorMode && code) {
        TEditorSnapshot::Fill(s, *code);
        return;
    }
    const std::unique_ptr<TVYRAEditor> editor = container.GetEditor(index);
    s.hasSelection = editor->CanCopy();
    s.canUndo = editor->CanUndo();
    s.canRedo = editor->CanRedo();
    s.wordWrap = editor->GetWordWrap();
    // The rich editor counts lines from 0; its line count is not needed by the line rules' users.
    s.caretLine = editor->CaretY() + 1;
    s.lineCount = s.caretLine;
}

} // namespace

TWindowSnapshot TMainWindowSnapshot::Take(TVYRADocumentContainer &container, const TWindowFacts &facts)
{
    TWindowSnapshot s;
    if (container.IsIndexValid(facts.activeDocument))
        fillActiveDocument(s, container, facts.activeDocument);
    s.documentCount = container.GetDocumentCount();
    for (int i = 0; i < s.documentCount; ++i)
        if (container.GetDocument(i)->GetModified())
            ++s.modifiedCount;
    s.childWindowCount = facts.childWindowCount;
    s.mainWindowActive = facts.mainWindowActive;
    s.clipboardHasText = facts.clipboardHasText;
    s.statusBarVisible = facts.statusBarVisible;
    const TVYRAProjectGroupList *groups = container.ProjectGroups();
    s.projectGroupCount = groups ? groups->Count() : 0;
    s.projectSelected = facts.selectedGroup != nullptr;
    s.activeGroupHasFile = facts.selectedGroup && !facts.selectedGroup->FileFolder().isEmpty()
        && QDir(facts.selectedGroup->FileFolder()).exists();
    return s;
}
