#pragma once

#include "editor/TLineStateTable.h"
#include "editor/TSynLineOutput.h"
#include "vyra_export.h"

#include <Qsci/qscilexercustom.h>

#include <QFont>
#include <QHash>
#include <QList>

class TSynCustomHighlighter;
class TSynHighlighterAttributes;

// Drives one of our highlighters for one QScintilla editor. Scintilla asks for
// styling up to what it is about to show; the bridge restyles from the first
// line it is asked for and stops as soon as the state at a line end is the one
// stored before the edit, declaring the lines after it still valid. Line
// states live in Scintilla's per-line integers as ids of a per-document table.
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

    void setBaseFont(const QFont &font);
    void setBasePaper(const QColor &paper);
    // Re-reads colours and styles after the highlighter's attributes changed.
    void refreshAttributes();
    // Lines longer than this are shown unstyled and pass their state on.
    static constexpr int MaxStyledLineLength = 200000;

    // Number of lines styled since creation (for tests and measurements).
    long long linesStyled() const { return m_linesStyled; }
    int styleOf(const TSynHighlighterAttributes *attribute) const { return m_styles.value(attribute, 0); }

private slots:
    void onModified(int position, int modificationType, const char *text, int length, int linesAdded,
                    int line, int foldNow, int foldPrev, int token, int annotationLinesAdded);

private:
    void styleLine(long line, TLineState &state);
    void applyTokens(QStringView text, const TSynLineOutput &out, long lineBytes);
    void setFoldLevel(long line, int levelStart, const TSynLineOutput &out);
    const TSynHighlighterAttributes *attributeOf(int style) const;

    const TSynCustomHighlighter &m_highlighter;
    QHash<const TSynHighlighterAttributes *, int> m_styles;
    QList<const TSynHighlighterAttributes *> m_attributes; // by style number
    TLineStateTable m_states;
    QFont m_font;
    QColor m_paper = Qt::white;
    TSynLineOutput m_out;
    long m_validLines = 0;      // lines [0, m_validLines) carry valid styles and states
    long m_editFirstLine = -1;  // region of a pending edit
    long m_editLastLine = -1;
    int m_editOldEndState = -1; // state id at that region's end before the edit
    long long m_linesStyled = 0;
};
