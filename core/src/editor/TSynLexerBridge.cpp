#include "editor/TSynLexerBridge.h"

#include "editor/TSynCustomHighlighter.h"

#include <Qsci/qsciscintilla.h>

#include <QEvent>

#include <algorithm>

namespace {

// Styles 32..39 are Scintilla's own (default, line numbers, braces, ...).
int styleNumber(int index)
{
    return index < QsciScintillaBase::STYLE_DEFAULT ? index : index + 8;
}

} // namespace

TSynLexerBridge::TSynLexerBridge(const TSynCustomHighlighter &highlighter, QObject *parent)
    : QsciLexerCustom(parent), m_highlighter(highlighter), m_font(QStringLiteral("Monospace"), 10)
{
    m_font.setStyleHint(QFont::Monospace);
    m_idleStyler.setSingleShot(true);
    m_idleStyler.setInterval(0);
    connect(&m_idleStyler, &QTimer::timeout, this, &TSynLexerBridge::styleGapInIdleTime);
    const QList<const TSynHighlighterAttributes *> attributes = highlighter.allAttributes();
    for (const TSynHighlighterAttributes *attribute : attributes) {
        const int index = int(m_attributes.size());
        if (styleNumber(index) > 255)
            break;
        m_styles.insert(attribute, styleNumber(index));
        m_attributes.append(attribute);
    }
    for (int style = 0; style < int(m_twins.size()); ++style)
        m_twins[style] = static_cast<unsigned char>(style);
    const int count = int(m_attributes.size());
    if (count > 0 && styleNumber(2 * count - 1) <= 255) {
        m_twinOffset = count;
        for (int i = 0; i < count; ++i)
            m_twins[styleNumber(i)] = static_cast<unsigned char>(styleNumber(i + count));
    }
}

TSynLexerBridge::~TSynLexerBridge() = default;

const TSynHighlighterAttributes *TSynLexerBridge::attributeOf(int style) const
{
    int index = style < QsciScintillaBase::STYLE_DEFAULT ? style : style - 8;
    if (style >= QsciScintillaBase::STYLE_DEFAULT && style <= QsciScintillaBase::STYLE_LASTPREDEFINED)
        return nullptr;
    if (m_twinOffset > 0 && index >= m_twinOffset && index < 2 * m_twinOffset)
        index -= m_twinOffset; // a twin looks like its attribute
    return index >= 0 && index < m_attributes.size() ? m_attributes.at(index) : nullptr;
}

QString TSynLexerBridge::description(int style) const
{
    const TSynHighlighterAttributes *attribute = attributeOf(style);
    return attribute ? attribute->name() : QString();
}

QColor TSynLexerBridge::defaultColor(int style) const
{
    const TSynHighlighterAttributes *attribute = attributeOf(style);
    return attribute && attribute->foreground().isValid() ? attribute->foreground() : QColor(Qt::black);
}

QColor TSynLexerBridge::defaultPaper(int style) const
{
    const TSynHighlighterAttributes *attribute = attributeOf(style);
    return attribute && attribute->background().isValid() ? attribute->background() : m_paper;
}

QFont TSynLexerBridge::defaultFont(int style) const
{
    QFont font = m_font;
    if (const TSynHighlighterAttributes *attribute = attributeOf(style)) {
        font.setBold(attribute->style() & fsBold);
        font.setItalic(attribute->style() & fsItalic);
        font.setUnderline(attribute->style() & fsUnderline);
        font.setStrikeOut(attribute->style() & fsStrikeOut);
    }
    return font;
}

bool TSynLexerBridge::defaultEolFill(int) const
{
    return false;
}

void TSynLexerBridge::setBaseFont(const QFont &font)
{
    m_font = font;
    refreshAttributes();
}

void TSynLexerBridge::setBasePaper(const QColor &paper)
{
    m_paper = paper;
    refreshAttributes();
}

void TSynLexerBridge::refreshAttributes()
{
    setDefaultFont(m_font);
    setDefaultPaper(m_paper);
    for (int i = 0; i < m_attributes.size() + m_twinOffset; ++i) {
        const int style = styleNumber(i);
        setColor(defaultColor(style), style);
        setPaper(defaultPaper(style), style);
        setFont(defaultFont(style), style);
    }
}

void TSynLexerBridge::setEditor(QsciScintilla *editor)
{
    if (QsciScintilla *old = this->editor()) {
        disconnect(old, nullptr, this, nullptr);
        old->viewport()->removeEventFilter(this);
    }
    QsciLexerCustom::setEditor(editor);
    m_validLines = 0;
    m_editLastLine = -1;
    m_plainLineStart = -1;
    m_gaps.clear();
    if (editor) {
        connect(editor, &QsciScintillaBase::SCN_MODIFIED, this, &TSynLexerBridge::onModified);
        editor->viewport()->installEventFilter(this);
    }
}

bool TSynLexerBridge::eventFilter(QObject *watched, QEvent *event)
{
    // Scintilla only asks for lines below the styled end; skipped lines above
    // it must be styled before they are painted.
    if (event->type() == QEvent::Paint && !m_gaps.isEmpty() && editor()) {
        fillGaps(firstShownLine(), lastShownLine());
    }
    return QsciLexerCustom::eventFilter(watched, event);
}

void TSynLexerBridge::onModified(int position, int modificationType, const char *, int length, int linesAdded,
                                 int, int, int, int, int)
{
    QsciScintilla *sci = editor();
    if (!sci)
        return;
    const bool before = modificationType & (QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE);
    const bool after = modificationType & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT);
    const long line = sci->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, long(position));
    if ((before || after) && position <= m_plainLineStart)
        m_plainLineStart = -1; // the line may have moved or joined another
    if (before) {
        // The end of the last line the change touches: after the change, the
        // state there must be the same for the lines below to stay valid.
        long lastLine = line;
        if (modificationType & QsciScintillaBase::SC_MOD_BEFOREDELETE)
            lastLine = sci->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, long(position + length));
        const bool pending = m_editLastLine >= 0;
        m_editOldEndState = pending || lastLine >= m_validLines || m_gaps.find(lastLine)
                                ? -1
                                : int(sci->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, lastLine));
        m_editFirstLine = pending ? std::min(m_editFirstLine, line) : line;
        m_editLastLine = std::max(lastLine, pending ? m_editLastLine : 0L);
    } else if (after) {
        if (linesAdded > 0)
            m_gaps.linesInserted(line, linesAdded);
        else if (linesAdded < 0)
            m_gaps.linesRemoved(line, -linesAdded);
        if (m_editLastLine >= 0)
            m_editLastLine = std::max(line, m_editLastLine + linesAdded);
        if (m_validLines > line)
            m_validLines = std::max(line, m_validLines + linesAdded);
    }
}

long TSynLexerBridge::positionOfLine(long line) const
{
    QsciScintilla *sci = editor();
    if (line >= sci->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT))
        return sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    return sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
}

long TSynLexerBridge::firstShownLine() const
{
    QsciScintilla *sci = editor();
    return sci->SendScintilla(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE,
                              sci->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE));
}

long TSynLexerBridge::lastShownLine() const
{
    QsciScintilla *sci = editor();
    const long firstVisible = sci->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    const long onScreen = sci->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
    return sci->SendScintilla(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE, firstVisible + onScreen + 1);
}

TLineState TSynLexerBridge::startStateOf(long line) const
{
    if (line <= 0)
        return {};
    if (const TLineGap *gap = m_gaps.find(line - 1))
        return m_states.stateOf(gap->nextStartId);
    return m_states.stateOf(int(editor()->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, line - 1)));
}

void TSynLexerBridge::styleText(int start, int end)
{
    if (QsciScintilla *sci = editor()) {
        m_styledEnd = sci->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
        styleFrom(sci->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, long(start)), end, !m_exact);
        m_styledEnd = -1;
    }
}

void TSynLexerBridge::styleFrom(long line, long end, bool mayJump)
{
    QsciScintilla *sci = editor();
    const long lineCount = sci->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    if (const TLineGap *gap = m_gaps.find(line)) {
        // Lines of a gap are styled when they are shown; go on below it.
        line = gap->end;
        if (m_editLastLine >= 0 && m_editLastLine < line)
            m_editLastLine = -1;
        m_editFirstLine = std::max(m_editFirstLine, line);
    }
    const long shown = mayJump ? firstShownLine() : 0;
    if (mayJump) {
        // Scintilla asks for the whole document when the lexer is set; in a
        // large one only what is shown is styled, the rest when it is.
        const long lastShown = lastShownLine();
        if (sci->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, end) > lastShown + JumpDistance)
            end = positionOfLine(lastShown + 2);
        if (end <= positionOfLine(line))
            return;
    }
    TLineState state = startStateOf(line);
    const long validEnd = m_validLines; // lines below were styled before
    startStyling(int(positionOfLine(line)));
    for (; line < lineCount; ++line) {
        if (mayJump && line + JumpDistance < shown) {
            // Far above what is shown: carry the state known here over the
            // lines in between instead of tokenizing all of them.
            const long warm = shown - WarmUpLines;
            m_gaps.add(line, warm, m_states.idOf(state));
            m_idleStyler.start();
            if (m_editLastLine >= 0 && m_editLastLine < warm)
                m_editLastLine = -1;
            m_editFirstLine = std::max(m_editFirstLine, warm);
            line = warm;
            startStyling(int(positionOfLine(line)));
        }
        const bool inGap = m_gaps.find(line) != nullptr;
        const bool inEdit = m_editLastLine >= 0 && line >= m_editFirstLine && line <= m_editLastLine;
        // The state this line ended with before, when it is still known.
        int previousId = inEdit || inGap ? -1 : int(sci->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, line));
        if (inEdit && line == m_editLastLine) {
            previousId = inGap ? -1 : m_editOldEndState;
            m_editLastLine = -1;
        }
        if (inGap)
            m_gaps.markStyled(line, line + 1, m_states.idOf(state));
        const int id = styleLine(line, state);
        if (previousId >= 0 && id == previousId && line + 1 < validEnd) {
            // Everything down to validEnd was styled from this very state;
            // go on below it only if more was asked for.
            const long validEndPosition = positionOfLine(validEnd);
            startStyling(int(validEndPosition));
            if (validEndPosition >= end)
                return;
            line = validEnd - 1;
            state = startStateOf(validEnd);
            continue;
        }
        if (positionOfLine(line + 1) >= end) {
            ++line;
            break;
        }
    }
    m_validLines = std::min(line, lineCount);
    m_gaps.truncate(m_validLines);
}

void TSynLexerBridge::fillGap(const TLineGap &gap, long first, long last, bool mayJump)
{
    QsciScintilla *sci = editor();
    // From the gap's top when that is near, else from a little above the
    // shown lines with the state known above the gap as a guess.
    const long from = mayJump && first - gap.first > JumpDistance ? first - WarmUpLines : gap.first;
    TLineState state = startStateOf(gap.first);
    const long endStyled = sci->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
    m_gaps.markStyled(from, last + 1, m_states.idOf(state));
    startStyling(int(positionOfLine(from)));
    int id = 0;
    for (long line = from; line <= last; ++line)
        id = styleLine(line, state);
    long resume = endStyled;
    if (last + 1 == gap.end && gap.end < m_validLines && id != gap.nextStartId) {
        // The lines below were styled from another state: Scintilla asks
        // for them again, and they are restyled until the states agree.
        resume = std::min(endStyled, positionOfLine(gap.end));
    }
    startStyling(int(resume));
}

void TSynLexerBridge::fillGaps(long first, long last)
{
    if (!editor())
        return;
    while (const TLineGap *gap = m_gaps.firstOverlapping(first, last)) {
        const TLineGap copy = *gap;
        const long from = std::max(copy.first, first);
        const long to = std::min(copy.end - 1, last);
        fillGap(copy, from, to, true);
        first = to + 1;
    }
}

void TSynLexerBridge::styleGapInIdleTime()
{
    if (!editor() || m_gaps.isEmpty())
        return;
    const TLineGap gap = m_gaps.gaps().first();
    fillGaps(gap.first, std::min(gap.end, gap.first + IdleChunkLines) - 1);
    if (!m_gaps.isEmpty())
        m_idleStyler.start();
}

void TSynLexerBridge::styleExactlyTo(long position)
{
    QsciScintilla *sci = editor();
    if (!sci)
        return;
    const long line = sci->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, position);
    fillGaps(line, line);
    const long endStyled = sci->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
    // Styled already: asking Scintilla to colourise would only repaint the
    // whole view, as it does after every colourise (the caret's highlighter is
    // looked up this way at each caret move).
    if (endStyled >= position)
        return;
    m_exact = true;
    sci->SendScintilla(QsciScintillaBase::SCI_COLOURISE, static_cast<unsigned long>(endStyled), position);
    m_exact = false;
}

TLineState TSynLexerBridge::exactStartStateOf(long line)
{
    if (line <= 0)
        return {};
    styleExactlyTo(positionOfLine(line));
    return startStateOf(line);
}

void TSynLexerBridge::styleAll()
{
    QsciScintilla *sci = editor();
    if (!sci)
        return;
    while (!m_gaps.isEmpty()) {
        const TLineGap gap = m_gaps.gaps().first();
        fillGap(gap, gap.first, gap.end - 1, false);
    }
    m_exact = true;
    sci->SendScintilla(QsciScintillaBase::SCI_COLOURISE,
                       static_cast<unsigned long>(sci->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED)), -1L);
    m_exact = false;
}

int TSynLexerBridge::styleLine(long line, TLineState &state)
{
    QsciScintilla *sci = editor();
    const long lineStart = sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long lineEnd = sci->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    const long nextStart = sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1);
    const long lineBytes = lineEnd - lineStart;
    const int levelStart = state.foldLevel;
    m_out.clear();
    m_lineStyles.clear();
    // A long line is plain; where only its end changed, only the end is
    // styled again.
    const bool plain = lineBytes > MaxStyledLineLength;
    const long from = plain ? plainRestyleStart(lineStart, lineEnd) : lineStart;
    const auto *bytes = reinterpret_cast<const char *>(sci->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), lineEnd - from));
    if (plain) {
        m_plainLineStart = lineStart;
        if (from != lineStart)
            startStyling(int(from));
    } else {
        if (lineStart == m_plainLineStart)
            m_plainLineStart = -1;
        if (bytes && lineBytes > 0)
            highlight(bytes, lineBytes, state);
    }
    m_lineStyles.appendBytes(lineEnd - from - m_lineStyles.size(), 0);
    if (bytes && lineBytes > FastLayoutLineLength)
        m_lineStyles.alternate(bytes, lineEnd - from, m_twins);
    m_lineStyles.appendBytes(nextStart - lineEnd, 0);
    if (m_lineStyles.size() > 0)
        sci->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(m_lineStyles.size()),
                           m_lineStyles.bytes().constData());
    state.foldLevel = qint16(std::clamp(levelStart + m_out.foldDelta(), 0, 0x0FFF - QsciScintillaBase::SC_FOLDLEVELBASE));
    setFoldLevel(line, levelStart, m_out);
    ++m_linesStyled;
    const int id = m_states.idOf(state);
    sci->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, line, long(id));
    return id;
}

long TSynLexerBridge::plainRestyleStart(long lineStart, long lineEnd) const
{
    // Every change since the line was styled lies at or after Scintilla's
    // styled end, and the styles before it are still ours. Restyled from
    // there with the plain style first, a character typed at the end keeps
    // the style Scintilla gave it, and the layout made for the key stays.
    if (lineStart != m_plainLineStart || m_styledEnd <= lineStart || m_styledEnd > lineEnd)
        return lineStart;
    return m_styledEnd;
}

void TSynLexerBridge::highlight(const char *bytes, long lineBytes, TLineState &state)
{
    const QString text = QString::fromUtf8(bytes, lineBytes);
    const TLineState before = state;
    try {
        m_highlighter.highlightLine(text, state, m_out);
    } catch (...) {
        // A failing highlighter must not take the editor down: the line
        // stays unstyled and keeps the state it started with.
        state = before;
        m_out.clear();
    }
    applyTokens(text, m_out, lineBytes);
}

void TSynLexerBridge::applyTokens(QStringView text, const TSynLineOutput &out, long lineBytes)
{
    int pos = 0;
    auto styleRun = [&](int from, int to, int style) {
        if (to <= from)
            return;
        const qsizetype bytes = std::min(TLineStyleBuffer::utf8Length(text.mid(from, to - from)),
                                         qsizetype(lineBytes) - m_lineStyles.size());
        m_lineStyles.appendBytes(bytes, style);
    };
    for (const TSynToken &token : out.tokens()) {
        const int from = std::clamp(token.start, pos, int(text.size()));
        const int to = std::clamp(token.start + token.length, from, int(text.size()));
        styleRun(pos, from, 0);
        styleRun(from, to, m_styles.value(token.attribute, 0));
        pos = to;
    }
    styleRun(pos, int(text.size()), 0);
}

void TSynLexerBridge::setFoldLevel(long line, int levelStart, const TSynLineOutput &out)
{
    const int lowest = std::max(0, levelStart + out.foldMinimum());
    const int levelEnd = std::max(0, levelStart + out.foldDelta());
    long level = QsciScintillaBase::SC_FOLDLEVELBASE + lowest;
    if (levelEnd > lowest)
        level |= QsciScintillaBase::SC_FOLDLEVELHEADERFLAG;
    editor()->SendScintilla(QsciScintillaBase::SCI_SETFOLDLEVEL, static_cast<unsigned long>(line), level);
}
