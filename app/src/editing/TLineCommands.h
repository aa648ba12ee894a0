#pragma once

#include "editing/TTextEdit.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The line commands as edits of a document's text: remove, duplicate and
// move a line, and the PHP line-comment toggle. Lines are 0-based; a text
// without line break has one line, a text ending in one has an empty last
// line. Line breaks of any kind (CR LF, CR, LF) are kept as they stand.
class TLineCommands
{
public:
    // lineBreak: the document's own, for a copy of a last line that has none.
    explicit TLineCommands(const QString &text, const QString &lineBreak = QStringLiteral("\n"));

    int LineCount() const { return int(m_starts.size()); }
    QString LineText(int line) const;

    // None for a line that does not exist.
    std::optional<TTextEdit> RemoveLine(int line) const;
    // Puts a copy of the line before it; the caret stays in the copy.
    std::optional<TTextEdit> DuplicateLine(int line, int caretColumn) const;
    // Swaps the line with the one above (below); none for the first (last) line.
    std::optional<TTextEdit> MoveLineUp(int line, int caretColumn) const;
    std::optional<TTextEdit> MoveLineDown(int line, int caretColumn) const;
    // Every line from caretLine to otherLine: a line whose text after its
    // leading blanks starts with "//" loses that "//" and keeps its leading
    // blanks; any other line gets "//" in front.
    std::optional<TTextEdit> TogglePhpComment(int caretLine, int otherLine, int caretColumn) const;

    static QString TogglePhpCommentLine(const QString &line);

private:
    int lineEnd(int line) const;  // offset after the line's text
    int nextStart(int line) const; // offset after the line's break (text end for the last)

    QString m_text;
    QString m_lineBreak;
    std::vector<int> m_starts;
};
