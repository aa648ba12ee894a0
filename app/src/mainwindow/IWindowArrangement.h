#pragma once

// What the window commands ask of the main window: arranging the document
// windows and showing or hiding the status bar.
class IWindowArrangement
{
public:
    virtual ~IWindowArrangement() = default;
    virtual void CascadeWindows() = 0;
    // Full width, one below the other.
    virtual void TileWindowsHorizontally() = 0;
    // Full height, side by side.
    virtual void TileWindowsVertically() = 0;
    virtual void MinimizeAllWindows() = 0;
    // Lines the minimised windows up along the bottom edge.
    virtual void ArrangeMinimizedWindows() = 0;
    virtual bool IsStatusBarVisible() const = 0;
    virtual void SetStatusBarVisible(bool visible) = 0;
};
