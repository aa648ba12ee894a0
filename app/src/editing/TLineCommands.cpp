#include "editing/TLineCommands.h"

#include <algorithm>

TLineCommands::TLineCommands(const QString &text, const QString &lineBreak)
    : m_text(text)
    , m_lineBreak(lineBreak)
{
    m_starts.push_back(0);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            m_starts.push_back(i + 1);
    }
}

int TLineCommands::nextStart(int line) const
{
    return line + 1 < LineCount() ? m_starts[size_t(line) + 1] : int(m_text.size());
}

int TLineCommands::lineEnd(int line) const
{
    int end = nextStart(line);
    if (line + 1 < LineCount()) {
        --end;
        if (m_text.at(end) == QLatin1Char('\n') && end > m_starts[size_t(line)] && m_text.at(end - 1) == QLatin1Char('\r'))
            --end;
    }
    return end;
}

QString TLineCommands::LineText(int line) const
{
    if (line < 0 || line >= LineCount())
        return QString();
    const int start = m_starts[size_t(line)];
    return m_text.mid(start, lineEnd(line) - start);
}

std::optional<TTextEdit> TLineCommands::RemoveLine(int line) const
{
    if (line < 0 || line >= LineCount())
        return std::nullopt;
    TTextEdit edit;
    if (line + 1 < LineCount() || line == 0) {
        edit.start = m_starts[size_t(line)];
        edit.length = nextStart(line) - edit.start;
        edit.caretLine = line;
    } else {
        // The last line goes together with the break that ends the line before it.
        edit.start = lineEnd(line - 1);
        edit.length = int(m_text.size()) - edit.start;
        edit.caretLine = line - 1;
    }
    return edit;
}

std::optional<TTextEdit> TLineCommands::DuplicateLine(int line, int caretColumn) const
{
    if (line < 0 || line >= LineCount())
        return std::nullopt;
    TTextEdit edit;
    const QString text = LineText(line);
    if (line + 1 < LineCount()) {
        edit.start = m_starts[size_t(line)];
        edit.text = m_text.mid(edit.start, nextStart(line) - edit.start);
    } else {
        // The last line has no break of its own: the copy goes behind it.
        edit.start = lineEnd(line);
        edit.text = m_lineBreak + text;
    }
    edit.caretLine = line;
    edit.caretColumn = std::min(caretColumn, int(text.size()));
    return edit;
}

std::optional<TTextEdit> TLineCommands::MoveLineUp(int line, int caretColumn) const
{
    if (line < 1 || line >= LineCount())
        return std::nullopt;
    TTextEdit edit;
    const int upper = line - 1;
    edit.start = m_starts[size_t(upper)];
    edit.length = lineEnd(line) - edit.start;
    const QString lineBreak = m_text.mid(lineEnd(upper), m_starts[size_t(line)] - lineEnd(upper));
    edit.text = LineText(line) + lineBreak + LineText(upper);
    edit.caretLine = upper;
    edit.caretColumn = std::min(caretColumn, int(LineText(line).size()));
    return edit;
}

std::optional<TTextEdit> TLineCommands::MoveLineDown(int line, int caretColumn) const
{
    if (line < 0 || line + 1 >= LineCount())
        return std::nullopt;
    std::optional<TTextEdit> edit = MoveLineUp(line + 1, 0);
    edit->caretLine = line + 1;
    edit->caretColumn = std::min(caretColumn, int(LineText(line).size()));
    return edit;
}

QString TLineCommands::TogglePhpCommentLine(const QString &line)
{
    int indent = 0;
    while (indent < line.size() && (line.at(indent) == QLatin1Char(' ') || line.at(indent) == QLatin1Char('\t')))
        ++indent;
    if (QStringView(line).mid(indent).startsWith(QLatin1String("//")))
        return line.left(indent) + line.mid(indent + 2);
    return QStringLiteral("//") + line;
}

std::optional<TTextEdit> TLineCommands::TogglePhpComment(int caretLine, int otherLine, int caretColumn) const
{
    const int first = std::min(caretLine, otherLine);
    const int last = std::max(caretLine, otherLine);
    if (first < 0 || last >= LineCount())
        return std::nullopt;
    TTextEdit edit;
    edit.start = m_starts[size_t(first)];
    edit.length = lineEnd(last) - edit.start;
    for (int line = first; line <= last; ++line) {
        edit.text += TogglePhpCommentLine(LineText(line));
        if (line < last)
            edit.text += m_text.mid(lineEnd(line), m_starts[size_t(line) + 1] - lineEnd(line));
    }
    edit.caretLine = caretLine;
    edit.caretColumn = std::min(caretColumn, int(TogglePhpCommentLine(LineText(caretLine)).size()));
    return edit;
}
