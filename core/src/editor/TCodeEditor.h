#pragma once

#include "editor/TEditorResult.h"
#include "editor/TLineBreaks.h"
#include "editor/TTextEncoding.h"
#include "vyra_export.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>
#include <memory>

class QKeyEvent;
class QsciScintilla;
class TEditorFileLoader;
class TScintillaPositions;
class TSynCustomHighlighter;
class TSynLexerBridge;

// Options that callers set by name.
enum TEditorOption : unsigned { eoKeepCaretX = 1, eoTabsToSpaces = 2, eoGroupUndo = 4 };

// What a status change was about.
enum TStatusChange : unsigned { scCaret = 1, scSelection = 2, scModified = 4, scInsertMode = 8, scReadOnly = 16 };

// The source-code editor control. QScintilla is an implementation detail:
// every position here is a character offset (QString index) and lines and
// columns are 1-based where the user sees them.
class VYRA_EXPORT TCodeEditor : public QWidget
{
    Q_OBJECT
public:
    explicit TCodeEditor(QWidget *parent = nullptr);
    ~TCodeEditor() override;

    // Text. A text with line breaks gives the editor its first one as the
    // line break for new lines; one without keeps the present one.
    QString text() const;
    void setText(const QString &text);
    QStringList lines() const;
    void setLines(const QStringList &lines);
    int lineCount() const;
    QString lineText(int index) const; // 0-based, without line break
    int textLength() const;

    // The line break Enter inserts and pasted or dropped text is given:
    // after loading, the file's first one (LF when it has none).
    TLineBreak lineBreak() const;
    void setLineBreak(TLineBreak lineBreak);

    // Files: read as documents read them (TTextDecoder), so saving an
    // unchanged text writes back the very bytes read, through a temporary
    // file. Failures come with a German text that names the file.
    TEditorResult loadFromFile(const QString &fileName);
    // Loads the first part now and the rest from the event loop; loadFinished follows.
    TEditorResult openFile(const QString &fileName);
    bool isLoading() const;
    TEditorResult saveToFile(const QString &fileName);
    const TTextFileFormat &fileFormat() const { return m_format; }
    void setFileFormat(const TTextFileFormat &format) { m_format = format; }

    bool isModified() const;
    void setModified(bool modified);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    bool insertMode() const;
    void setInsertMode(bool insert);

    // Caret and selection
    int caretLine() const;   // 1-based
    int caretColumn() const; // 1-based, in characters
    void setCaret(int line, int column);
    int caretOffset() const;
    void setCaretOffset(int offset);
    int selStart() const;
    int selLength() const;
    QString selectedText() const;
    void setSelection(int start, int length);
    void replaceSelection(const QString &text);
    void selectAll();
    void gotoLine(int line);

    // Undo and clipboard
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    bool canUndo() const;
    bool canRedo() const;
    bool canPaste() const;
    bool canCut() const;
    void beginUndoGroup();
    void endUndoGroup();
    void clearUndo();

    // Options
    static unsigned optionByName(const QString &name);
    bool setOption(const QString &name, bool on);
    bool option(const QString &name) const;
    void setOptions(unsigned options);
    unsigned options() const { return m_options; }
    int tabWidth() const;
    void setTabWidth(int width);
    bool wordWrap() const;
    void setWordWrap(bool on);

    // Gutter (line numbers)
    void setGutterVisible(bool visible);
    void setGutterDigits(int digits);
    void setGutterLeftOffset(int pixels);
    void setGutterAutoSize(bool on);
    int gutterWidth() const;
    void setMaxScrollWidth(int pixels);

    // Colours and font
    void setActiveLineColor(const QColor &color); // invalid colour: no highlight
    void setSelectionColors(const QColor &foreground, const QColor &background);
    void setEditorFont(const QFont &font);
    QFont editorFont() const { return m_font; }
    // Background of single lines (1-based), e.g. for breakpoints or errors.
    void setSpecialLineColor(int line, const QColor &background);
    void clearSpecialLineColors();

    // The attached highlighter (not owned; nullptr for none).
    void setHighlighter(const TSynCustomHighlighter *highlighter);
    const TSynCustomHighlighter *highlighter() const { return m_highlighter; }
    // The highlighter colouring the text left of the caret: inside a block of
    // a multi-highlighter the block's own (nullptr without a highlighter).
    const TSynCustomHighlighter *highlighterAtCaret() const;
    // The styled run at a character offset (tests, status display).
    QString attributeNameAt(int offset);
    // Styles what is not styled yet, up to the end (normally done lazily, as
    // far as the view shows).
    void styleAll();

signals:
    // keyDown/keyUp: a handler that accepts the event swallows it.
    void keyDown(QKeyEvent *event);
    void keyUp(QKeyEvent *event);
    void keyPress(const QString &text);
    void statusChanged(unsigned changes);
    void textChanged();
    void painted();
    void loadFinished(bool ok, const QString &errorText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateGutterWidth();
    // The first line break of the text; without one LF, or the present one
    // with keepWithoutBreak.
    void adoptLineBreak(bool keepWithoutBreak);
    void onLoadFinished(bool ok);
    QString textOfRange(long start, long end) const; // Scintilla byte positions
    void onCharAdded();
    int markerForColor(const QColor &color);

    QsciScintilla *const m_sci;
    std::unique_ptr<TScintillaPositions> m_positions;
    std::unique_ptr<TEditorFileLoader> m_loader;
    TSynLexerBridge *m_bridge = nullptr;
    const TSynCustomHighlighter *m_highlighter = nullptr;
    TTextFileFormat m_format;
    QFont m_font;
    unsigned m_options = eoGroupUndo | eoKeepCaretX;
    bool m_readOnly = false;
    bool m_gutterVisible = true;
    bool m_gutterAutoSize = true;
    int m_gutterDigits = 4;
    QList<QColor> m_lineColorMarkers;
};
