#pragma once

// The state of the main window that decides which commands are enabled,
// taken once per update. Plain values only, so that every rule can be
// tested without a window.
struct TWindowSnapshot
{
    // The active document
    bool hasActiveDocument = false;
    bool editable = false;        // the container allows editing it
    bool modified = false;
    bool hasFile = false;         // saved at least once
    bool isTemplate = false;      // of the template type
    bool codeEditorMode = true;   // source editor, not the rich-text editor
    bool hasSelection = false;
    bool canUndo = false;
    bool canRedo = false;
    bool wordWrap = false;
    int caretLine = 0;            // 1-based, 0 without document
    int lineCount = 0;
    int selectionMode = 0;        // 0 normal, 1 line, 2 column

    // The window
    int documentCount = 0;
    int modifiedCount = 0;
    int childWindowCount = 0;
    bool mainWindowActive = true;
    bool clipboardHasText = false;
    bool statusBarVisible = true;

    // Projects
    int projectGroupCount = 0;
    bool projectSelected = false;      // a project group is selected
    bool activeGroupHasFile = false;   // its file folder exists
    bool toDoEntrySelected = false;

    // Side panels
    bool explorerFolderSelected = false;
    int explorerViewMode = 0;          // 0 icons ... 4 thumbnails
    bool explorerShowAllTypes = true;
};
