#pragma once

#include "commands/TWindowSnapshot.h"

class TVYRADocumentContainer;
class TVYRAProjectGroupItems;

// What only the window knows when it takes a snapshot.
struct TWindowFacts
{
    int activeDocument = -1; // index in the container, -1 for none
    int childWindowCount = 0;
    TVYRAProjectGroupItems *selectedGroup = nullptr;
    bool mainWindowActive = true;
    bool clipboardHasText = false;
    bool statusBarVisible = true;
};

// Takes the snapshot the enabling rules are evaluated against from the
// container's documents and groups and the window's facts; the active
// document's editor (code or rich text) gives selection, undo and caret.
class TMainWindowSnapshot
{
public:
    static TWindowSnapshot Take(TVYRADocumentContainer &container, const TWindowFacts &facts);
};
