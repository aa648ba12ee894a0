#pragma once

#include <QObject>
#include <memory>

class QsciPrinter;
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

private:
    void applyPrintModes();

    QsciScintilla *const m_sci;
    TSynLexerBridge *m_bridge = nullptr;
    const bool m_colours;
    const int m_copies;
};
