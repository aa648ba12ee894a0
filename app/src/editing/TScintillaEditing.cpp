#include "editing/TScintillaEditing.h"

#include "editor/TCodeEditor.h"

#include <Qsci/qsciscintilla.h>
#include <QVariant>
#include <algorithm>

namespace {

// Bookmark n uses marker FirstBookmarkMarker + n; the code editor's own line
// colours start at 16.
constexpr int FirstBookmarkMarker = 2;
constexpr int ErrorLineMarker = 12;
constexpr int ErrorTextIndicator = 12;
const char *const ErrorLineProperty = "talvexErrorLine";

QByteArray bookmarkColumnProperty(int n)
{
    return QByteArrayLiteral("talvexBookmarkColumn") + QByteArray::number(n);
}

using Sci = QsciScintillaBase;

} // namespace

TScintillaEditing::TScintillaEditing(TCodeEditor *editor)
    : m_editor(editor)
    , m_sci(editor ? editor->findChild<QsciScintilla *>() : nullptr)
{
}

long TScintillaEditing::currentPos() const
{
    return m_sci->SendScintilla(Sci::SCI_GETCURRENTPOS);
}

void TScintillaEditing::EnableVirtualSpace()
{
    if (m_sci)
        m_sci->SendScintilla(Sci::SCI_SETVIRTUALSPACEOPTIONS,
                             long(Sci::SCVS_RECTANGULARSELECTION | Sci::SCVS_USERACCESSIBLE));
}

TScintillaEditing::TSelectionMode TScintillaEditing::SelectionMode() const
{
    if (!m_sci)
        return smNormal;
    switch (m_sci->SendScintilla(Sci::SCI_GETSELECTIONMODE)) {
    case Sci::SC_SEL_LINES:
        return smLine;
    case Sci::SC_SEL_RECTANGLE:
    case Sci::SC_SEL_THIN:
        return smColumn;
    default:
        return smNormal;
    }
}

void TScintillaEditing::SetSelectionMode(TSelectionMode mode)
{
    if (!m_sci)
        return;
    const long modes[] = {Sci::SC_SEL_STREAM, Sci::SC_SEL_LINES, Sci::SC_SEL_RECTANGLE};
    m_sci->SendScintilla(Sci::SCI_SETSELECTIONMODE, modes[mode]);
    // Scintilla lets caret moves extend a line or column selection; the
    // normal mode ends that.
    if (mode == smNormal)
        m_sci->SendScintilla(Sci::SCI_CANCEL);
}

int TScintillaEditing::AnchorLine() const
{
    if (!m_sci)
        return 0;
    return int(m_sci->SendScintilla(Sci::SCI_LINEFROMPOSITION, m_sci->SendScintilla(Sci::SCI_GETANCHOR)));
}

int TScintillaEditing::VirtualSpace() const
{
    if (!m_sci)
        return 0;
    const long main = m_sci->SendScintilla(Sci::SCI_GETMAINSELECTION);
    return int(m_sci->SendScintilla(Sci::SCI_GETSELECTIONNCARETVIRTUALSPACE, main));
}

void TScintillaEditing::DropVirtualSpace()
{
    if (!m_sci || VirtualSpace() == 0)
        return;
    const long pos = currentPos();
    m_sci->SendScintilla(Sci::SCI_SETEMPTYSELECTION, pos);
}

void TScintillaEditing::FillVirtualSpace()
{
    const int blanks = VirtualSpace();
    if (blanks == 0)
        return;
    DropVirtualSpace();
    m_editor->replaceSelection(QString(blanks, QLatin1Char(' ')));
}

void TScintillaEditing::GotoColumn(int line, int column)
{
    if (!m_sci)
        return;
    line = std::clamp(line, 0, m_editor->lineCount() - 1);
    const int length = int(m_editor->lineText(line).size());
    m_editor->setCaret(line + 1, std::min(column, length) + 1);
    if (column > length) {
        const long main = m_sci->SendScintilla(Sci::SCI_GETMAINSELECTION);
        m_sci->SendScintilla(Sci::SCI_SETSELECTIONNCARETVIRTUALSPACE, main, long(column - length));
        m_sci->SendScintilla(Sci::SCI_SETSELECTIONNANCHORVIRTUALSPACE, main, long(column - length));
    }
}

void TScintillaEditing::indentLines(int delta)
{
    if (!m_sci)
        return;
    const long start = m_sci->SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long end = m_sci->SendScintilla(Sci::SCI_GETSELECTIONEND);
    const long first = m_sci->SendScintilla(Sci::SCI_LINEFROMPOSITION, start);
    long last = m_sci->SendScintilla(Sci::SCI_LINEFROMPOSITION, end);
    // A selection ending at the start of a line leaves that line alone.
    if (last > first && m_sci->SendScintilla(Sci::SCI_POSITIONFROMLINE, last) == end)
        --last;
    long step = m_sci->SendScintilla(Sci::SCI_GETINDENT);
    if (step <= 0)
        step = m_sci->SendScintilla(Sci::SCI_GETTABWIDTH);
    m_editor->beginUndoGroup();
    for (long line = first; line <= last; ++line) {
        const long indent = m_sci->SendScintilla(Sci::SCI_GETLINEINDENTATION, line);
        m_sci->SendScintilla(Sci::SCI_SETLINEINDENTATION, line, std::max(0L, indent + delta * step));
    }
    // The lines stay selected as whole lines, so that the next step moves them all again.
    if (last > first)
        m_sci->SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(m_sci->SendScintilla(Sci::SCI_POSITIONFROMLINE, first)),
                             m_sci->SendScintilla(Sci::SCI_GETLINEENDPOSITION, last));
    m_editor->endUndoGroup();
}

void TScintillaEditing::BlockIndent()
{
    indentLines(1);
}

void TScintillaEditing::BlockUnindent()
{
    indentLines(-1);
}

int TScintillaEditing::BookmarkLine(int n) const
{
    if (!m_sci || n < 0 || n >= BookmarkCount)
        return -1;
    return int(m_sci->SendScintilla(Sci::SCI_MARKERNEXT, 0L, long(1u << (FirstBookmarkMarker + n))));
}

void TScintillaEditing::SetBookmark(int n)
{
    if (!m_sci || n < 0 || n >= BookmarkCount)
        return;
    const int marker = FirstBookmarkMarker + n;
    const int line = m_editor->caretLine() - 1;
    const bool here = BookmarkLine(n) == line;
    m_sci->markerDeleteAll(marker);
    if (here)
        return;
    m_sci->markerDefine(QsciScintilla::Circle, marker);
    m_sci->markerAdd(line, marker);
    m_editor->setProperty(bookmarkColumnProperty(n).constData(), m_editor->caretColumn() - 1);
}

bool TScintillaEditing::GotoBookmark(int n)
{
    const int line = BookmarkLine(n);
    if (line < 0)
        return false;
    const int column = m_editor->property(bookmarkColumnProperty(n).constData()).toInt();
    m_editor->setCaret(line + 1, std::min(column, int(m_editor->lineText(line).size())) + 1);
    return true;
}

void TScintillaEditing::SetBraceHighlighting(bool on, const QColor &foreground, const QColor &background)
{
    if (!m_sci)
        return;
    m_sci->setBraceMatching(on ? QsciScintilla::SloppyBraceMatch : QsciScintilla::NoBraceMatch);
    if (!on)
        return;
    if (foreground.isValid())
        m_sci->setMatchedBraceForegroundColor(foreground);
    if (background.isValid())
        m_sci->setMatchedBraceBackgroundColor(background);
}

void TScintillaEditing::MarkErrorLine(int line)
{
    if (!m_sci)
        return;
    ClearErrorLine();
    if (line < 0 || line >= m_editor->lineCount())
        return;
    m_sci->markerDefine(QsciScintilla::Background, ErrorLineMarker);
    m_sci->setMarkerBackgroundColor(Qt::red, ErrorLineMarker);
    m_sci->markerAdd(line, ErrorLineMarker);
    m_sci->SendScintilla(Sci::SCI_INDICSETSTYLE, ErrorTextIndicator, long(Sci::INDIC_TEXTFORE));
    m_sci->SendScintilla(Sci::SCI_INDICSETFORE, ErrorTextIndicator, QColor(Qt::white));
    m_sci->SendScintilla(Sci::SCI_SETINDICATORCURRENT, ErrorTextIndicator);
    const long start = m_sci->SendScintilla(Sci::SCI_POSITIONFROMLINE, long(line));
    const long end = m_sci->SendScintilla(Sci::SCI_GETLINEENDPOSITION, long(line));
    m_sci->SendScintilla(Sci::SCI_INDICATORFILLRANGE, start, end - start);
    m_editor->setProperty(ErrorLineProperty, line);
}

void TScintillaEditing::ClearErrorLine()
{
    if (!m_sci || ErrorLine() < 0)
        return;
    m_sci->markerDeleteAll(ErrorLineMarker);
    m_sci->SendScintilla(Sci::SCI_SETINDICATORCURRENT, ErrorTextIndicator);
    m_sci->SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0L, m_sci->SendScintilla(Sci::SCI_GETLENGTH));
    m_editor->setProperty(ErrorLineProperty, QVariant());
}

int TScintillaEditing::ErrorLine() const
{
    const QVariant line = m_editor ? m_editor->property(ErrorLineProperty) : QVariant();
    return line.isValid() ? line.toInt() : -1;
}
