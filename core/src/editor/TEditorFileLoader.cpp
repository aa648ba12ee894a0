#include "editor/TEditorFileLoader.h"

#include "utils/TFileErrorText.h"

#include <Qsci/qsciscintillabase.h>

#include <QFileInfo>
#include <QWidget>

#include <algorithm>

TEditorFileLoader::TEditorFileLoader(QsciScintillaBase &sci, QObject *parent) : QObject(parent), m_sci(sci)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (!step())
            m_timer.stop();
    });
}

TEditorFileLoader::~TEditorFileLoader()
{
    if (!m_done)
        finish(false);
}

bool TEditorFileLoader::open(const QString &fileName)
{
    m_timer.stop();
    m_file.close();
    m_file.setFileName(fileName);
    m_pendingCr = false;
    m_error.clear();
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETREADONLY, 0L);
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0L);
    if (m_done) {
        suspendWrapping();
        m_modEventMask = m_sci.SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK);
        m_sci.SendScintilla(QsciScintillaBase::SCI_CLEARALL);
        // QScintilla answers every insert notification by counting the
        // characters from the start of the document (for accessibility), so
        // each slice would cost time in proportion to all text before it.
        // Appending at the end needs no notification: Scintilla itself moves
        // the styled end back, and no line above the insert changes.
        m_sci.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0L);
    } else {
        clearDocument();
    }
    m_done = false;
    if (QFileInfo(fileName).isDir() || !m_file.open(QIODevice::ReadOnly)) {
        m_error = TFileErrorText::OpenFailed(fileName, m_file);
        finish(false);
        return false;
    }
    m_dataStart = m_decoder.begin(m_file.peek(3));
    m_file.seek(m_dataStart);
    m_sci.SendScintilla(QsciScintillaBase::SCI_ALLOCATE, static_cast<unsigned long>(m_file.size() + 1024));
    reserveLines();
    m_firstSliceShown = false;
    step();
    m_firstSliceShown = true;
    return m_error.isEmpty();
}

bool TEditorFileLoader::step()
{
    if (m_done)
        return false;
    const QByteArray slice = m_file.read(SliceSize);
    if (slice.isEmpty() && !m_file.atEnd()) {
        m_error = TFileErrorText::ReadFailed(m_file.fileName(), m_file);
        finish(false);
        return false;
    }
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETREADONLY, 0L);
    const bool atEnd = m_file.atEnd();
    QByteArray utf8;
    if (!m_decoder.decode(slice, atEnd, utf8))
        return restartAsWindows1252();
    appendSlice(utf8.constData(), utf8.size(), atEnd);
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETREADONLY, 1L);
    holdPaintsWhileTheEndIsShown();
    if (atEnd) {
        finish(true);
        return false;
    }
    return true;
}

void TEditorFileLoader::reserveLines()
{
    // Scintilla keeps arrays with an entry per line (line starts, the UTF-16
    // index, line states, fold levels) and grows each by copying it into a
    // block a sixth larger as lines arrive. With millions of lines such a
    // step stalls the window for a fifth of a second, mostly page faults on
    // the new blocks. Lines inserted and removed again leave their room in
    // the arrays, so they grow here, before the first slice, to the size the
    // file promises.
    const qint64 size = m_file.size() - m_dataStart;
    if (size <= SliceSize)
        return;
    const QByteArray sample = m_file.peek(m_dataStart + SliceSize).mid(m_dataStart);
    if (sample.isEmpty())
        return;
    const qint64 expected = sample.count('\n') * size / sample.size();
    const qint64 reserve = std::min(size, expected + expected / 4);
    if (reserve < MinReservedLines)
        return;
    const QByteArray breaks(reserve, '\n');
    appendUtf8(breaks.constData(), breaks.size());
    // Empty line states and fold levels do not follow inserted lines; set on
    // the last line they take their full size in one step.
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETFOLDLEVEL, static_cast<unsigned long>(reserve),
                        long(QsciScintillaBase::SC_FOLDLEVELBASE));
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, static_cast<unsigned long>(reserve), 0L);
    // Deleting the whole text would start the arrays afresh; one line break
    // stays behind the loaded text until the end.
    m_sci.SendScintilla(QsciScintillaBase::SCI_DELETERANGE, 0UL, long(breaks.size() - 1));
    m_placeholder = true;
}

void TEditorFileLoader::holdPaintsWhileTheEndIsShown()
{
    // Scintilla lays out a whole line to paint any of it, and a slice that
    // lengthens a line the view shows makes the next paint lay it out again:
    // a line of megabytes (a minified script) would be laid out once per
    // slice. So the view keeps showing what it shows while slices arrive on
    // a shown line, and catches up when they land below it or the file is in.
    if (!m_firstSliceShown)
        return;
    const long lastLine = m_sci.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT) - 1;
    const long firstVisible = m_sci.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    const long onScreen = m_sci.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
    const long lastShown = m_sci.SendScintilla(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE, firstVisible + onScreen);
    setPaintsHeld(lastLine - (m_placeholder ? 1 : 0) <= lastShown);
}

void TEditorFileLoader::setPaintsHeld(bool held)
{
    if (held == m_paintsHeld)
        return;
    m_paintsHeld = held;
    // Enabling updates again repaints the view.
    m_sci.viewport()->setUpdatesEnabled(!held);
}

void TEditorFileLoader::suspendWrapping()
{
    // With word wrap on, Scintilla lays each line out as it arrives, before
    // it is styled; unstyled, a long line is laid out the slow way (see
    // TLineStyleBuffer), ten times the cost of wrapping it once loaded.
    m_wrapMode = m_sci.SendScintilla(QsciScintillaBase::SCI_GETWRAPMODE);
    if (m_wrapMode != QsciScintillaBase::SC_WRAP_NONE)
        m_sci.SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE, long(QsciScintillaBase::SC_WRAP_NONE));
}

void TEditorFileLoader::resumeWrapping()
{
    if (m_wrapMode != QsciScintillaBase::SC_WRAP_NONE)
        m_sci.SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE, m_wrapMode);
    m_wrapMode = QsciScintillaBase::SC_WRAP_NONE;
}

void TEditorFileLoader::removePlaceholder()
{
    if (!m_placeholder)
        return;
    m_placeholder = false;
    const long length = m_sci.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    m_sci.SendScintilla(QsciScintillaBase::SCI_DELETERANGE, static_cast<unsigned long>(length - 1), 1L);
}

bool TEditorFileLoader::restartAsWindows1252()
{
    // The decoder has turned to Windows-1252, which reads every byte from
    // the first on, a BOM included: the file is not what its start promised.
    m_dataStart = 0;
    clearDocument();
    reserveLines();
    m_file.seek(m_dataStart);
    return step();
}

void TEditorFileLoader::clearDocument()
{
    // Not an append: whoever follows the document (the highlighter's line
    // states) must hear of it.
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, m_modEventMask);
    m_sci.SendScintilla(QsciScintillaBase::SCI_CLEARALL);
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0L);
    m_placeholder = false;
    m_pendingCr = false;
}

void TEditorFileLoader::appendUtf8(const char *data, qsizetype size)
{
    if (size <= 0)
        return;
    if (m_placeholder) {
        const long length = m_sci.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
        m_sci.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(length - 1), length - 1);
        m_sci.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<uintptr_t>(size), data);
    } else {
        m_sci.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<uintptr_t>(size), data);
    }
}

void TEditorFileLoader::appendSlice(const char *data, qsizetype size, bool last)
{
    // A CR at the end of a slice waits for the next one: Scintilla's UTF-16
    // line index miscounts a CR LF pair that arrives in two inserts.
    QByteArray joined;
    if (m_pendingCr) {
        joined.reserve(size + 1);
        joined.append('\r').append(data, size);
        data = joined.constData();
        size = joined.size();
        m_pendingCr = false;
    }
    if (!last && size > 0 && data[size - 1] == '\r') {
        m_pendingCr = true;
        --size;
    }
    appendUtf8(data, size);
}

void TEditorFileLoader::start()
{
    if (!m_done)
        m_timer.start();
}

bool TEditorFileLoader::loadAll()
{
    while (step()) {
    }
    return m_ok;
}

void TEditorFileLoader::finish(bool ok)
{
    m_timer.stop();
    m_file.close();
    m_done = true;
    m_ok = ok;
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETREADONLY, 0L);
    removePlaceholder();
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, m_modEventMask);
    m_sci.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1L);
    m_sci.SendScintilla(QsciScintillaBase::SCI_SETSAVEPOINT);
    setPaintsHeld(false);
    resumeWrapping();
    emit finished(ok);
}
