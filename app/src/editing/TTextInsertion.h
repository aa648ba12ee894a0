#pragma once

#include <QString>

class TVYRAEditor;

// The ways a command puts text into the active document, all through the
// editor facade (which gives the text the document's line breaks) and each
// one undo step. "%cursor%" in the command's texts marks where the caret goes.
class TTextInsertion
{
public:
    explicit TTextInsertion(TVYRAEditor &editor);

    // In place of the selection, if any; the caret at "%cursor%", else behind the text.
    void Plain(const QString &text);
    // Without selection opening and closing with the caret between them;
    // with one the selection enclosed in them, the caret behind.
    void Wrap(const QString &opening, const QString &closing);
    // Like Plain, but every further line starts in the caret's column (a
    // caret past the end of its line first goes back to just after it);
    // a wrapping editor gets the text unchanged.
    void Block(const QString &text);
    // Block, after the selection went and the gap past the end of the line
    // was filled with blanks (typed closing characters).
    void BlockAtFilledCaret(const QString &text);

    // The text in place of length characters from start, the caret behind it.
    void Replace(int start, int length, const QString &text);

private:
    TVYRAEditor &m_editor;
};
