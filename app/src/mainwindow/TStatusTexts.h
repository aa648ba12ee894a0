#pragma once

#include <QString>

// What the four panels of the main window's status bar show for the active
// document: caret, hint, modified mark and insert mode. Without a document
// the caret and mode panels are empty.
struct TStatusState
{
    bool hasDocument = false;
    int line = 0;   // 1-based
    int column = 0; // 1-based
    bool modified = false;
    bool insertMode = true;
};

class TStatusTexts
{
public:
    // The panel widths in pixels, left to right.
    static constexpr int PanelWidths[4] = {75, 500, 75, 76};

    static QString Caret(const TStatusState &state);
    static QString Modified(const TStatusState &state);
    static QString Mode(const TStatusState &state);
};
