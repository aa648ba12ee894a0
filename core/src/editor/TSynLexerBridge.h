#pragma once

#include "editor/TLineGaps.h"
#include "editor/TLineStateTable.h"
#include "editor/TLineStyleBuffer.h"
#include "editor/TSynLineOutput.h"
#include "vyra_export.h"

#include <Qsci/qscilexercustom.h>

#include <QFont>
#include <QHash>
#include <QList>
#include <QTimer>

class TSynCustomHighlighter;
class TSynHighlighterAttributes;

// Drives one of our highlighters for one QScintilla editor. Scintilla asks for
// styling up to what it is about to show; the bridge restyles from the first
// line it is asked for and stops as soon as the state at a line end is the one
// stored before the edit, declaring the lines after it still valid. Line
// states live in Scintilla's per-line integers as ids of a per-document table.
//
// When the view shows lines far below the last styled one (a jump in a large
// file), the lines in between are left as a gap: styling starts a little above
// the shown lines from the nearest known state. A gap is styled when its lines
// are about to be shown; where it then ends in a state other than the one the
// lines below were styled from, those lines are restyled until the states agree.
// Gaps are also styled bit by bit while the program is idle.
//
// A line is styled in one call to the highlighter, so the length of a line
// bounds the time one styling step takes. Lines longer than
// MaxStyledLineLength are shown plain and pass their state on unchanged, as
// minified scripts often are. Every attribute has a twin style that looks the
// same; lines longer than FastLayoutLineLength alternate between the two
// character by character, which keeps Scintilla's layout of them cheap (see
// TLineStyleBuffer).
class VYRA_EXPORT TSynLexerBridge : public QsciLexerCustom
{
    Q_OBJECT
public:
    TSynLexerBridge(const TSynCustomHighlighter &highlighter, QObject *parent = nullptr);
    ~TSynLexerBridge() override;

    const char *language() const override { return "Talvex"; }
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
    QFont defaultFont(int style) const override;
    bool defaultEolFill(int style) const override;
    void setEditor(QsciScintilla *editor) override;
    void styleText(int start, int end) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    void setBaseFont(const QFont &font);
    void setBasePaper(const QColor &paper);
    // Re-reads colours and styles after the highlighter's attributes changed.
    void refreshAttributes();
    // Lines longer than this (in UTF-8 bytes) are shown plain and pass their
    // state on.
    static constexpr int MaxStyledLineLength = 100000;
    // Lines longer than this alternate between each style and its twin.
    static constexpr int FastLayoutLineLength = 2000;
    // Shown lines farther below the last styled line than this are styled
    // from the nearest known state, starting WarmUpLines above them.
    static constexpr long JumpDistance = 10000;
    static constexpr long WarmUpLines = 200;
    // Lines of a gap styled per turn of the idle event loop (a few ms).
    static constexpr long IdleChunkLines = 2000;

    // Styles the skipped lines among first..last (0-based) the way showing
    // them would; Scintilla asks for the lines below its styled end itself.
    void fillGaps(long first, long last);
    // Styles up to a byte position from the true states, as a query of the
    // style at that position needs it.
    void styleExactlyTo(long position);
    // The true state at a line's start (0-based), styling up to it first.
    TLineState exactStartStateOf(long line);
    // Styles the whole document exactly, gaps included.
    void styleAll();
    // Runs of lines not styled yet because the view jumped over them.
    const TLineGaps &gaps() const { return m_gaps; }

    // Number of lines styled since creation (for tests and measurements).
    long long linesStyled() const { return m_linesStyled; }
    int styleOf(const TSynHighlighterAttributes *attribute) const { return m_styles.value(attribute, 0); }

private slots:
    void styleGapInIdleTime();
    void onModified(int position, int modificationType, const char *text, int length, int linesAdded,
                    int line, int foldNow, int foldPrev, int token, int annotationLinesAdded);

private:
    void styleFrom(long line, long end, bool mayJump);
    void fillGap(const TLineGap &gap, long first, long last, bool mayJump);
    TLineState startStateOf(long line) const;
    long positionOfLine(long line) const;
    long firstShownLine() const;
    long lastShownLine() const;
    int styleLine(long line, TLineState &state);
    void applyTokens(QStringView text, const TSynLineOutput &out, long lineBytes);
    void highlight(const char *bytes, long lineBytes, TLineState &state);
    long plainRestyleStart(long lineStart, long lineEnd) const;
    void setFoldLevel(long line, int levelStart, const TSynLineOutput &out);
    const TSynHighlighterAttributes *attributeOf(int style) const;

    const TSynCustomHighlighter &m_highlighter;
    QHash<const TSynHighlighterAttributes *, int> m_styles;
    QList<const TSynHighlighterAttributes *> m_attributes; // by style number
    TLineStyleBuffer::Twins m_twins{};
    int m_twinOffset = 0; // attribute index of the first twin; 0: no twins
    TLineStyleBuffer m_lineStyles;
    TLineStateTable m_states;
    TLineGaps m_gaps;
    QFont m_font;
    QColor m_paper = Qt::white;
    TSynLineOutput m_out;
    long m_validLines = 0;      // lines [0, m_validLines) carry valid styles and states
    long m_editFirstLine = -1;  // region of a pending edit
    long m_editLastLine = -1;
    int m_editOldEndState = -1; // state id at that region's end before the edit
    long long m_linesStyled = 0;
    bool m_exact = false; // styling the whole document: no jumps
    long m_styledEnd = -1;      // Scintilla's styled end when it asked for styling
    long m_plainLineStart = -1; // start of the last line shown plain, while no edit before it
    QTimer m_idleStyler;
};
