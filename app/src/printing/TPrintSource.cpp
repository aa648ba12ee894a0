#include "printing/TPrintSource.h"

#include "editor/TSynLexerBridge.h"
#include "printing/TPrintJob.h"
#include "printing/TPrintRules.h"

#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>
#include <QPainter>

TPrintSource::TPrintSource(const TPrintJob &job, TTabs tabs, QObject *parent)
    : QObject(parent)
    , m_sci(new QsciScintilla)
    , m_colours(job.useColours)
    , m_copies(qMax(job.copies, 1))
{
    m_sci->setUtf8(true);
    m_sci->setTabWidth(qMax(job.tabWidth, 1));
    // Only the text is printed: no line numbers, symbols or folding marks.
    for (int margin = 0; margin < 5; ++margin)
        m_sci->setMarginWidth(margin, 0);
    m_sci->setFont(job.font);
    if (job.useHighlighter && job.highlighter) {
        m_bridge = new TSynLexerBridge(*job.highlighter, m_sci);
        m_bridge->setBaseFont(job.font);
        m_sci->setLexer(m_bridge);
    }
    const QString text = job.lines.join(QLatin1Char('\n'));
    m_sci->setText(tabs == TTabs::Expand ? TPrintRules::ExpandTabs(text, job.tabWidth) : text);
    applyPrintModes();
}

TPrintSource::~TPrintSource()
{
    delete m_sci;
}

QString TPrintSource::Text() const
{
    return m_sci->text();
}

void TPrintSource::applyPrintModes()
{
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETPRINTWRAPMODE, long(QsciScintillaBase::SC_WRAP_WORD));
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETPRINTCOLOURMODE,
                         m_colours ? long(QsciScintillaBase::SC_PRINT_COLOURONWHITE)
                                   : long(QsciScintillaBase::SC_PRINT_BLACKONWHITE));
}

long TPrintSource::Length() const
{
    return m_sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
}

long TPrintSource::FormatPage(QPainter &painter, const QRect &area, long start, bool draw)
{
    const long line = m_sci->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
    const long last = qMin(line + LinesPerPageLimit, m_sci->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT) - 1);
    const long end = m_sci->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, last);
    return m_sci->SendScintilla(QsciScintillaBase::SCI_FORMATRANGE, draw ? 1UL : 0UL, &painter, area, start, end);
}

bool TPrintSource::Print(QsciPrinter &printer)
{
    // The print engine formats styled text; style it all now rather than
    // leave it to the idle styling of a control that is never shown.
    if (m_bridge)
        m_bridge->styleAll();
    printer.setCopyCount(m_copies);
    // The engine would paint on a printer that failed to start (a PDF file
    // that cannot be written) and still report success.
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool printed = printer.printRange(m_sci, painter);
    return painter.end() && printed;
}
