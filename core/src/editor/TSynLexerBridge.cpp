#include "editor/TSynLexerBridge.h"

#include "editor/TSynCustomHighlighter.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace {

// Styles 32..39 are Scintilla's own (default, line numbers, braces, ...).
int styleNumber(int index)
{
    return index < QsciScintillaBase::STYLE_DEFAULT ? index : index + 8;
}

long utf8Length(QStringView text)
{
    long bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80)
            bytes += 1;
        else if (c < 0x800)
            bytes += 2;
        else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            bytes += 4;
            ++i;
        } else
            bytes += 3;
    }
    return bytes;
}

} // namespace

TSynLexerBridge::TSynLexerBridge(const TSynCustomHighlighter &highlighter, QObject *parent)
    : QsciLexerCustom(parent), m_highlighter(highlighter), m_font(QStringLiteral("Monospace"), 10)
{
    m_font.setStyleHint(QFont::Monospace);
    const QList<const TSynHighlighterAttributes *> attributes = highlighter.allAttributes();
    for (const TSynHighlighterAttributes *attribute : attributes) {
        const int index = int(m_attributes.size());
        if (styleNumber(index) > 255)
            break;
        m_styles.insert(attribute, styleNumber(index));
        m_attributes.append(attribute);
    }
}

TSynLexerBridge::~TSynLexerBridge() = default;

const TSynHighlighterAttributes *TSynLexerBridge::attributeOf(int style) const
{
    const int index = style < QsciScintillaBase::STYLE_DEFAULT ? style : style - 8;
    if (style >= QsciScintillaBase::STYLE_DEFAULT && style <= QsciScintillaBase::STYLE_LASTPREDEFINED)
        return nullptr;
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
    for (int i = 0; i < m_attributes.size(); ++i) {
        const int style = styleNumber(i);
        setColor(defaultColor(style), style);
        setPaper(defaultPaper(style), style);
        setFont(defaultFont(style), style);
    }
}

void TSynLexerBridge::setEditor(QsciScintilla *editor)
{
    if (QsciScintilla *old = this->editor())
        disconnect(old, nullptr, this, nullptr);
    QsciLexerCustom::setEditor(editor);
    m_validLines = 0;
    m_editLastLine = -1;
    if (editor)
        connect(editor, &QsciScintillaBase::SCN_MODIFIED, this, &TSynLexerBridge::onModified);
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
    if (before) {
        // The end of the last line the change touches: after the change, the
        // state there must be the same for the lines below to stay valid.
        long lastLine = line;
        if (modificationType & QsciScintillaBase::SC_MOD_BEFOREDELETE)
            lastLine = sci->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, long(position + length));
        const bool pending = m_editLastLine >= 0;
        m_editOldEndState = pending || lastLine >= m_validLines
                                ? -1
                                : int(sci->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, lastLine));
        m_editFirstLine = pending ? std::min(m_editFirstLine, line) : line;
        m_editLastLine = std::max(lastLine, pending ? m_editLastLine : 0L);
    } else if (after) {
        if (m_editLastLine >= 0)
            m_editLastLine = std::max(line, m_editLastLine + linesAdded);
        if (m_validLines > line)
            m_validLines = std::max(line, m_validLines + linesAdded);
    }
}

void TSynLexerBridge::styleText(int start, int end)
{
    QsciScintilla *sci = editor();
    if (!sci)
        return;
    const long lineCount = sci->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    long line = sci->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, long(start));
    TLineState state;
    if (line > 0)
        state = m_states.stateOf(int(sci->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, line - 1)));
    startStyling(int(sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line)));
    for (; line < lineCount; ++line) {
        const int storedId = int(sci->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, line));
        const bool inEdit = m_editLastLine >= 0 && line >= m_editFirstLine && line <= m_editLastLine;
        // The state this line ended with before, when it is still known.
        int previousId = inEdit ? -1 : storedId;
        if (inEdit && line == m_editLastLine) {
            previousId = m_editOldEndState;
            m_editLastLine = -1;
        }
        styleLine(line, state);
        if (previousId >= 0 && m_states.idOf(state) == previousId && line + 1 < m_validLines) {
            // Everything below was styled from this very state.
            const long length = sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
            startStyling(int(std::min(length, sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, m_validLines))));
            return;
        }
        m_validLines = line + 1;
        if (sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1) >= end)
            break;
    }
}

void TSynLexerBridge::styleLine(long line, TLineState &state)
{
    QsciScintilla *sci = editor();
    const long lineStart = sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long lineEnd = sci->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    const long nextStart = sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1);
    const long lineBytes = lineEnd - lineStart;
    const auto *bytes = reinterpret_cast<const char *>(
        sci->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(lineStart), lineBytes));
    const int levelStart = state.foldLevel;
    m_out.clear();
    if (bytes && lineBytes > 0 && lineBytes <= MaxStyledLineLength) {
        const QString text = QString::fromUtf8(bytes, lineBytes);
        try {
            m_highlighter.highlightLine(text, state, m_out);
        } catch (...) {
            // A failing highlighter must not take the editor down: the line
            // stays unstyled and keeps the state it started with.
            m_out.clear();
        }
        applyTokens(text, m_out, lineBytes);
    } else if (lineBytes > 0) {
        setStyling(int(lineBytes), 0);
    }
    if (nextStart > lineEnd)
        setStyling(int(nextStart - lineEnd), 0);
    state.foldLevel = qint16(std::clamp(levelStart + m_out.foldDelta(), 0, 0x0FFF - QsciScintillaBase::SC_FOLDLEVELBASE));
    setFoldLevel(line, levelStart, m_out);
    ++m_linesStyled;
    sci->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, line, long(m_states.idOf(state)));
}

void TSynLexerBridge::applyTokens(QStringView text, const TSynLineOutput &out, long lineBytes)
{
    long styled = 0;
    int pos = 0;
    auto styleRun = [&](int from, int to, int style) {
        if (to <= from)
            return;
        const long bytes = std::min(utf8Length(text.mid(from, to - from)), lineBytes - styled);
        if (bytes > 0)
            setStyling(int(bytes), style);
        styled += std::max(0L, bytes);
    };
    for (const TSynToken &token : out.tokens()) {
        const int from = std::clamp(token.start, pos, int(text.size()));
        const int to = std::clamp(token.start + token.length, from, int(text.size()));
        styleRun(pos, from, 0);
        styleRun(from, to, m_styles.value(token.attribute, 0));
        pos = to;
    }
    styleRun(pos, int(text.size()), 0);
    if (styled < lineBytes)
        setStyling(int(lineBytes - styled), 0);
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
