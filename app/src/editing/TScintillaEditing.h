#pragma once

#include <QColor>
#include <QString>

class QsciScintilla;
class TCodeEditor;

// The editing commands the Scintilla control behind a code editor does
// itself: selection modes, block indent, bookmarks, virtual space past the
// end of a line, brace matching and the error-line mark. It keeps no state of
// its own, so one can be made for each command. Lines and columns are 0-based.
class TScintillaEditing
{
public:
    enum TSelectionMode { smNormal = 0, smLine = 1, smColumn = 2 };
    static constexpr int BookmarkCount = 10;

    explicit TScintillaEditing(TCodeEditor *editor);
    bool IsValid() const { return m_sci != nullptr; }

    // Lets the caret stand past the end of a line, as column selections need.
    void EnableVirtualSpace();
    TSelectionMode SelectionMode() const;
    void SetSelectionMode(TSelectionMode mode);

    // The line of the selection's other end (the caret line without selection).
    int AnchorLine() const;
    // Blanks between the end of the caret line and the caret standing past it.
    int VirtualSpace() const;
    // Moves a caret standing past the end of its line to just after its last character.
    void DropVirtualSpace();
    // Fills the gap past the end of the line with blanks, the caret after them.
    void FillVirtualSpace();
    // The caret to the column of the line, past its end when the line is shorter.
    void GotoColumn(int line, int column);

    // Indents (unindents) every line of the selection, the caret line without
    // one, by one indentation step; one undo step.
    void BlockIndent();
    void BlockUnindent();

    // Puts bookmark n on the caret line (taking it away when it is already
    // there); GotoBookmark moves the caret to where it was set.
    void SetBookmark(int n);
    bool GotoBookmark(int n);
    // The line of bookmark n, -1 when it is not set.
    int BookmarkLine(int n) const;

    // Matching brackets next to the caret in these colours (invalid: the text's own).
    void SetBraceHighlighting(bool on, const QColor &foreground, const QColor &background);

    // White on red for the line until ClearErrorLine; -1 when no line is marked.
    void MarkErrorLine(int line);
    void ClearErrorLine();
    int ErrorLine() const;

private:
    void indentLines(int delta);
    long currentPos() const;

    TCodeEditor *m_editor = nullptr;
    QsciScintilla *m_sci = nullptr;
};
