#pragma once

#include <QObject>
#include <memory>

class QsciPrinter;
class QPainter;
class QRect;
class QsciScintilla;
class TSynLexerBridge;
struct TPrintJob;

// A print job laid into a hidden Scintilla control, from which the print
// engine (QsciPrinter) lays out, paginates and renders the pages: with the
// highlighter's styles when the job uses it, in colour or black on white.
class TPrintSource : public QObject
{
    Q_OBJECT
public:
    enum class TTabs { Keep, Expand };

    explicit TPrintSource(const TPrintJob &job, TTabs tabs = TTabs::Keep, QObject *parent = nullptr);
    ~TPrintSource() override;

    // Prints every page onto printer (a real printer, a PDF file or a
    // preview's printer) with the job's number of copies; false when the
    // printer could not be started.
    bool Print(QsciPrinter &printer);
    // The text as laid in (tabs expanded or not).
    QString Text() const;
    // Length of the text in the engine's positions.
    long Length() const;
    // Lays out (and with draw paints) the page that begins at start into
    // area; returns where the next page begins (Length() after the last).
    // Only the lines that can fit on the page are styled for it.
    long FormatPage(QPainter &painter, const QRect &area, long start, bool draw);

private:
    void applyPrintModes();
    // More lines than a page can ever hold: a page begins every line on a row of its own.
    static constexpr long LinesPerPageLimit = 1000;

    QsciScintilla *const m_sci;
    TSynLexerBridge *m_bridge = nullptr;
    const bool m_colours;
    const int m_copies;
};
