#include "commands/TEnablingRules.h"

bool TEnablingRules::Always(const TWindowSnapshot &)
{
    return true;
}

bool TEnablingRules::Document(const TWindowSnapshot &s)
{
    return s.hasActiveDocument && s.editable;
}

bool TEnablingRules::Line(const TWindowSnapshot &s)
{
    return Document(s) && s.caretLine >= 1 && s.caretLine <= s.lineCount;
}

bool TEnablingRules::LineNotFirst(const TWindowSnapshot &s)
{
    return Line(s) && s.caretLine > 1;
}

bool TEnablingRules::LineNotLast(const TWindowSnapshot &s)
{
    return Line(s) && s.caretLine < s.lineCount;
}

bool TEnablingRules::Selection(const TWindowSnapshot &s)
{
    return s.hasActiveDocument && s.hasSelection;
}

bool TEnablingRules::EditableSelection(const TWindowSnapshot &s)
{
    return Document(s) && s.hasSelection;
}

bool TEnablingRules::Paste(const TWindowSnapshot &s)
{
    return Document(s) && s.mainWindowActive && s.clipboardHasText;
}

bool TEnablingRules::Undo(const TWindowSnapshot &s)
{
    return Document(s) && s.canUndo;
}

bool TEnablingRules::Redo(const TWindowSnapshot &s)
{
    return Document(s) && s.canRedo;
}

bool TEnablingRules::CodeEditor(const TWindowSnapshot &s)
{
    return Document(s) && s.codeEditorMode;
}

bool TEnablingRules::Save(const TWindowSnapshot &s)
{
    return s.hasActiveDocument && (s.modified || !s.hasFile);
}

bool TEnablingRules::AnyDocument(const TWindowSnapshot &s)
{
    return s.documentCount > 0;
}

bool TEnablingRules::ChildWindow(const TWindowSnapshot &s)
{
    return s.childWindowCount > 0;
}

bool TEnablingRules::AnyProjectGroup(const TWindowSnapshot &s)
{
    return s.projectGroupCount > 0;
}

bool TEnablingRules::TemplateDocument(const TWindowSnapshot &s)
{
    return s.hasActiveDocument && s.isTemplate;
}

bool TEnablingRules::DocumentWithFile(const TWindowSnapshot &s)
{
    return s.hasActiveDocument && s.hasFile;
}

bool TEnablingRules::Project(const TWindowSnapshot &s)
{
    return s.projectGroupCount > 0 && s.projectSelected;
}

bool TEnablingRules::ProjectWithFolder(const TWindowSnapshot &s)
{
    return Project(s) && s.activeGroupHasFile;
}

bool TEnablingRules::ToDoEntry(const TWindowSnapshot &s)
{
    return Project(s) && s.toDoEntrySelected;
}

bool TEnablingRules::ExplorerFolder(const TWindowSnapshot &s)
{
    return s.explorerFolderSelected;
}
