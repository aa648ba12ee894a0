#pragma once

#include "commands/TWindowSnapshot.h"

#include <functional>

using TEnablingRule = std::function<bool(const TWindowSnapshot &)>;

// The enabling rules of the commands, each a pure function of one snapshot.
class TEnablingRules
{
public:
    static bool Always(const TWindowSnapshot &);
    // A document is active and the container allows editing it.
    static bool Document(const TWindowSnapshot &s);
    // Document rule and the caret line exists.
    static bool Line(const TWindowSnapshot &s);
    static bool LineNotFirst(const TWindowSnapshot &s);
    static bool LineNotLast(const TWindowSnapshot &s);
    // Text is selected (the copy rule).
    static bool Selection(const TWindowSnapshot &s);
    // Text is selected in a document that may be changed.
    static bool EditableSelection(const TWindowSnapshot &s);
    static bool Paste(const TWindowSnapshot &s);
    static bool Undo(const TWindowSnapshot &s);
    static bool Redo(const TWindowSnapshot &s);
    static bool CodeEditor(const TWindowSnapshot &s);
    // The active document is modified or was never saved.
    static bool Save(const TWindowSnapshot &s);
    static bool AnyDocument(const TWindowSnapshot &s);
    static bool ChildWindow(const TWindowSnapshot &s);
    static bool AnyProjectGroup(const TWindowSnapshot &s);
    static bool TemplateDocument(const TWindowSnapshot &s);
    static bool DocumentWithFile(const TWindowSnapshot &s);
    // A project group is selected.
    static bool Project(const TWindowSnapshot &s);
    static bool ProjectWithFolder(const TWindowSnapshot &s);
    static bool ToDoEntry(const TWindowSnapshot &s);
    static bool ExplorerFolder(const TWindowSnapshot &s);
};
