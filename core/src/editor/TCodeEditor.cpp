#include "editor/TCodeEditor.h"

#include "editor/TActiveHighlighter.h"
#include "editor/TEditorFileLoader.h"
#include "editor/TScintillaPositions.h"
#include "editor/TSynCustomHighlighter.h"
#include "editor/TSynLexerBridge.h"
#include "editor/TSynMultiSyn.h"
#include "utils/TFileErrorText.h"
#include "utils/Windows1252.h"

#include <Qsci/qsciscintilla.h>

#include <QFileInfo>
#include <QKeyEvent>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

constexpr int FirstLineColorMarker = 16;
constexpr int LineColorMarkers = 8;
constexpr int LineNumberMargin = 0;
constexpr int FoldMargin = 2;
constexpr int PositionCacheEntries = 4096;

} // namespace

TCodeEditor::TCodeEditor(QWidget *parent)
    : QWidget(parent), m_sci(new QsciScintilla(this)), m_positions(std::make_unique<TScintillaPositions>(*m_sci))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_sci);
    setFocusProxy(m_sci);
    m_sci->setUtf8(true);
    m_positions->attach();
    // Line-state, style and fold changes are the bridge's own business; leave
    // them out of the notifications to keep styling cheap.
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                         long(QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT
                              | QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE
                              | QsciScintillaBase::SC_PERFORMED_USER | QsciScintillaBase::SC_PERFORMED_UNDO
                              | QsciScintillaBase::SC_PERFORMED_REDO | QsciScintillaBase::SC_MULTISTEPUNDOREDO
                              | QsciScintillaBase::SC_LASTSTEPINUNDOREDO | QsciScintillaBase::SC_MOD_CHANGEMARKER));
    m_font = QFont(QStringLiteral("Monospace"), 10);
    m_font.setStyleHint(QFont::Monospace);
    setEditorFont(m_font);
    m_sci->setMarginLineNumbers(LineNumberMargin, true);
    m_sci->setFolding(QsciScintilla::BoxedTreeFoldStyle, FoldMargin);
    m_sci->setCaretLineVisible(true);
    m_sci->setCaretLineBackgroundColor(QColor(0xf0, 0xf5, 0xff));
    m_sci->setTabWidth(4);
    m_sci->setIndentationsUseTabs(true);
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1L);
    // Pasted and dropped text gets the end-of-line mode's line breaks, as
    // Enter does (see lineBreak()), so an edit never mixes them into a file.
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETPASTECONVERTENDINGS, 1L);
    // Long lines are laid out character by character from Scintilla's width
    // cache (see TLineStyleBuffer): room for every character in every style
    // of highlighted code. Lines shown stay laid out until they change, so
    // that a paint does not lay a long line out again.
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETPOSITIONCACHE, long(PositionCacheEntries));
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETLAYOUTCACHE, long(QsciScintillaBase::SC_CACHE_PAGE));
    m_sci->installEventFilter(this);
    m_sci->viewport()->installEventFilter(this);

    connect(m_sci, &QsciScintilla::textChanged, this, &TCodeEditor::textChanged);
    connect(m_sci, &QsciScintilla::cursorPositionChanged, this, [this] { emit statusChanged(scCaret); });
    connect(m_sci, &QsciScintilla::selectionChanged, this, [this] { emit statusChanged(scSelection); });
    connect(m_sci, &QsciScintilla::modificationChanged, this, [this] { emit statusChanged(scModified); });
    connect(m_sci, &QsciScintilla::linesChanged, this, &TCodeEditor::updateGutterWidth);
    connect(m_sci, &QsciScintillaBase::SCN_PAINTED, this, &TCodeEditor::painted);
    connect(m_sci, &QsciScintillaBase::SCN_CHARADDED, this, &TCodeEditor::onCharAdded);
    updateGutterWidth();
}

TCodeEditor::~TCodeEditor()
{
    m_loader.reset();
    m_sci->setLexer(nullptr);
    delete m_bridge;
}

QString TCodeEditor::text() const
{
    return textOfRange(0, m_sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
}

QString TCodeEditor::textOfRange(long start, long end) const
{
    // QScintilla's own text getters stop at a NUL byte and drop a leading
    // U+FEFF; both are text of the file.
    const auto *bytes = reinterpret_cast<const char *>(m_sci->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    return bytes ? TextCodec::fromUtf8(QByteArrayView(bytes, end - start)) : QString();
}

void TCodeEditor::setText(const QString &text)
{
    m_sci->setText(text);
    adoptLineBreak(true);
}

TLineBreak TCodeEditor::lineBreak() const
{
    switch (m_sci->SendScintilla(QsciScintillaBase::SCI_GETEOLMODE)) {
    case QsciScintillaBase::SC_EOL_CRLF:
        return TLineBreak::lbCRLF;
    case QsciScintillaBase::SC_EOL_CR:
        return TLineBreak::lbCR;
    default:
        return TLineBreak::lbLF;
    }
}

void TCodeEditor::setLineBreak(TLineBreak lineBreak)
{
    const long mode = lineBreak == TLineBreak::lbCRLF ? QsciScintillaBase::SC_EOL_CRLF
        : lineBreak == TLineBreak::lbCR              ? QsciScintillaBase::SC_EOL_CR
                                                     : QsciScintillaBase::SC_EOL_LF;
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETEOLMODE, mode);
}

void TCodeEditor::adoptLineBreak(bool keepWithoutBreak)
{
    if (lineCount() < 2) {
        if (!keepWithoutBreak)
            setLineBreak(TLineBreak::lbLF);
        return;
    }
    // Scintilla knows where the first line ends: no need to look through a
    // long first line.
    const long end = m_sci->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, 0L);
    TLineBreak found = TLineBreak::lbLF;
    if (m_sci->SendScintilla(QsciScintillaBase::SCI_GETCHARAT, end) == '\r')
        found = m_sci->SendScintilla(QsciScintillaBase::SCI_GETCHARAT, end + 1) == '\n' ? TLineBreak::lbCRLF
                                                                                       : TLineBreak::lbCR;
    setLineBreak(found);
}

QStringList TCodeEditor::lines() const
{
    QStringList result;
    const int count = lineCount();
    result.reserve(count);
    for (int i = 0; i < count; ++i)
        result.append(lineText(i));
    return result;
}

void TCodeEditor::setLines(const QStringList &lines)
{
    setText(lines.join(TLineBreaks::Text(lineBreak())));
}

int TCodeEditor::lineCount() const
{
    return int(m_sci->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT));
}

QString TCodeEditor::lineText(int index) const
{
    if (index < 0 || index >= lineCount())
        return {};
    const long start = m_sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, long(index));
    const long end = m_sci->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, long(index));
    return textOfRange(start, end);
}

int TCodeEditor::textLength() const
{
    return int(m_positions->charLength());
}

TEditorResult TCodeEditor::openFile(const QString &fileName)
{
    m_loader = std::make_unique<TEditorFileLoader>(*m_sci);
    connect(m_loader.get(), &TEditorFileLoader::finished, this, &TCodeEditor::onLoadFinished);
    if (!m_loader->open(fileName))
        return TEditorResult::failure(m_loader->errorText());
    // The loader appends without change notifications.
    if (isLoading()) {
        updateGutterWidth();
        emit textChanged();
    }
    m_loader->start();
    return {};
}

void TCodeEditor::onLoadFinished(bool ok)
{
    m_format = m_loader->format();
    adoptLineBreak(false);
    m_sci->setReadOnly(m_readOnly);
    updateGutterWidth();
    emit textChanged();
    emit loadFinished(ok, m_loader->errorText());
}

TEditorResult TCodeEditor::loadFromFile(const QString &fileName)
{
    TEditorResult result = openFile(fileName);
    if (result && !m_loader->loadAll())
        result = TEditorResult::failure(m_loader->errorText());
    return result;
}

bool TCodeEditor::isLoading() const
{
    return m_loader && !m_loader->isDone();
}

TEditorResult TCodeEditor::saveToFile(const QString &fileName)
{
    QByteArray data;
    if (m_format.encoding == TTextEncoding::teUtf8) {
        const long length = m_sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
        const auto *bytes = static_cast<const char *>(m_sci->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
        if (m_format.bom)
            data = QByteArray("\xEF\xBB\xBF");
        data.append(bytes, length);
    } else {
        const QString content = text();
        bool ok = false;
        data = TextCodec::encode(content, m_format, &ok);
        if (!ok)
            return TEditorResult::failure(TFileErrorText::SaveFailed(fileName, windows1252EncodeError(content)));
    }
    QSaveFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size()
        || !file.commit())
        return TEditorResult::failure(TFileErrorText::SaveFailed(fileName, file));
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETSAVEPOINT);
    return {};
}

bool TCodeEditor::isModified() const
{
    return m_sci->isModified();
}

void TCodeEditor::setModified(bool modified)
{
    m_sci->setModified(modified);
}

void TCodeEditor::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    if (!isLoading())
        m_sci->setReadOnly(readOnly);
    emit statusChanged(scReadOnly);
}

bool TCodeEditor::insertMode() const
{
    return !m_sci->overwriteMode();
}

void TCodeEditor::setInsertMode(bool insert)
{
    m_sci->setOverwriteMode(!insert);
    emit statusChanged(scInsertMode);
}

int TCodeEditor::caretLine() const
{
    return int(m_positions->lineOf(caretOffset())) + 1;
}

int TCodeEditor::caretColumn() const
{
    const int offset = caretOffset();
    return offset - int(m_positions->lineStart(m_positions->lineOf(offset))) + 1;
}

const TSynCustomHighlighter *TCodeEditor::highlighterAtCaret() const
{
    if (!m_bridge || !dynamic_cast<const TSynMultiSyn *>(m_highlighter))
        return m_highlighter;
    const int line = caretLine() - 1;
    const TLineState start = m_bridge->exactStartStateOf(line);
    const QString text = lineText(line);
    // A line too long to be styled is shown plain in the state it starts with.
    if (text.size() > TSynLexerBridge::MaxStyledLineLength)
        return ActiveHighlighterAt(*m_highlighter, start, {});
    return ActiveHighlighterAt(*m_highlighter, start, QStringView(text).left(caretColumn() - 1));
}

void TCodeEditor::setCaret(int line, int column)
{
    const int index = std::clamp(line, 1, lineCount()) - 1;
    const int lineLength = int(lineText(index).size());
    setCaretOffset(int(m_positions->lineStart(index)) + std::clamp(column, 1, lineLength + 1) - 1);
}

int TCodeEditor::caretOffset() const
{
    return int(m_positions->toChar(m_sci->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)));
}

void TCodeEditor::setCaretOffset(int offset)
{
    m_sci->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, m_positions->toByte(offset));
}

int TCodeEditor::selStart() const
{
    return int(m_positions->toChar(m_sci->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART)));
}

int TCodeEditor::selLength() const
{
    return int(m_positions->toChar(m_sci->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND))) - selStart();
}

QString TCodeEditor::selectedText() const
{
    // A rectangle, or several selections, are not one range: Scintilla joins them.
    if (m_sci->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS) > 1)
        return m_sci->selectedText();
    return textOfRange(m_sci->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART),
                       m_sci->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND));
}

void TCodeEditor::setSelection(int start, int length)
{
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(m_positions->toByte(start)),
                         m_positions->toByte(start + length));
}

void TCodeEditor::replaceSelection(const QString &text)
{
    m_sci->replaceSelectedText(text);
}

void TCodeEditor::selectAll()
{
    m_sci->selectAll(true);
}

void TCodeEditor::gotoLine(int line)
{
    const long index = std::clamp(line, 1, lineCount()) - 1;
    m_sci->SendScintilla(QsciScintillaBase::SCI_ENSUREVISIBLEENFORCEPOLICY, index);
    m_sci->SendScintilla(QsciScintillaBase::SCI_GOTOLINE, index);
}

void TCodeEditor::undo() { m_sci->undo(); }
void TCodeEditor::redo() { m_sci->redo(); }
void TCodeEditor::cut() { m_sci->cut(); }
void TCodeEditor::copy() { m_sci->copy(); }
void TCodeEditor::paste() { m_sci->paste(); }
bool TCodeEditor::canUndo() const { return m_sci->isUndoAvailable(); }
bool TCodeEditor::canRedo() const { return m_sci->isRedoAvailable(); }
bool TCodeEditor::canPaste() const { return m_sci->SendScintilla(QsciScintillaBase::SCI_CANPASTE) != 0; }
bool TCodeEditor::canCut() const { return !m_readOnly && m_sci->hasSelectedText(); }
void TCodeEditor::beginUndoGroup() { m_sci->beginUndoAction(); }
void TCodeEditor::endUndoGroup() { m_sci->endUndoAction(); }
void TCodeEditor::clearUndo() { m_sci->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER); }

unsigned TCodeEditor::optionByName(const QString &name)
{
    QString key = name.toLower();
    if (key.startsWith(u"eo"))
        key = key.mid(2);
    if (key == u"keepcaretx")
        return eoKeepCaretX;
    if (key == u"tabstospaces")
        return eoTabsToSpaces;
    if (key == u"groupundo")
        return eoGroupUndo;
    return 0;
}

bool TCodeEditor::setOption(const QString &name, bool on)
{
    const unsigned flag = optionByName(name);
    if (flag)
        setOptions(on ? (m_options | flag) : (m_options & ~flag));
    return flag != 0;
}

bool TCodeEditor::option(const QString &name) const
{
    return (m_options & optionByName(name)) != 0 && optionByName(name) != 0;
}

void TCodeEditor::setOptions(unsigned options)
{
    m_options = options;
    m_sci->setIndentationsUseTabs(!(options & eoTabsToSpaces));
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETCARETSTICKY,
                         long(options & eoKeepCaretX ? QsciScintillaBase::SC_CARETSTICKY_ON
                                                     : QsciScintillaBase::SC_CARETSTICKY_OFF));
}

void TCodeEditor::onCharAdded()
{
    // Scintilla joins typed characters into one undo step; without grouped
    // undo each character is a step of its own.
    if (!(m_options & eoGroupUndo)) {
        m_sci->beginUndoAction();
        m_sci->endUndoAction();
    }
}

int TCodeEditor::tabWidth() const { return m_sci->tabWidth(); }
void TCodeEditor::setTabWidth(int width) { m_sci->setTabWidth(std::clamp(width, 1, 64)); }
bool TCodeEditor::wordWrap() const { return m_sci->wrapMode() != QsciScintilla::WrapNone; }
void TCodeEditor::setWordWrap(bool on)
{
    m_sci->setWrapMode(on ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    // QsciScintilla switches the layout cache to one entry per line of the
    // document here, a table it sizes anew at each paint: with millions of
    // lines arriving while a file loads, every paint would copy it. The page
    // cache of the constructor stays.
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETLAYOUTCACHE, long(QsciScintillaBase::SC_CACHE_PAGE));
}

void TCodeEditor::setGutterVisible(bool visible)
{
    m_gutterVisible = visible;
    updateGutterWidth();
}

void TCodeEditor::setGutterDigits(int digits)
{
    m_gutterDigits = std::clamp(digits, 1, 12);
    updateGutterWidth();
}

void TCodeEditor::setGutterLeftOffset(int pixels)
{
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETMARGINLEFT, 0UL, long(std::max(0, pixels)));
}

void TCodeEditor::setGutterAutoSize(bool on)
{
    m_gutterAutoSize = on;
    updateGutterWidth();
}

int TCodeEditor::gutterWidth() const
{
    return m_sci->marginWidth(LineNumberMargin);
}

void TCodeEditor::updateGutterWidth()
{
    if (!m_gutterVisible) {
        m_sci->setMarginWidth(LineNumberMargin, 0);
        return;
    }
    int digits = m_gutterDigits;
    if (m_gutterAutoSize)
        digits = std::max(digits, int(QString::number(lineCount()).size()));
    m_sci->setMarginWidth(LineNumberMargin, QString(digits + 1, u'9'));
}

void TCodeEditor::setMaxScrollWidth(int pixels)
{
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTH, long(std::max(1, pixels)));
}

void TCodeEditor::setActiveLineColor(const QColor &color)
{
    m_sci->setCaretLineVisible(color.isValid());
    if (color.isValid())
        m_sci->setCaretLineBackgroundColor(color);
}

void TCodeEditor::setSelectionColors(const QColor &foreground, const QColor &background)
{
    if (foreground.isValid())
        m_sci->setSelectionForegroundColor(foreground);
    else
        m_sci->resetSelectionForegroundColor();
    if (background.isValid())
        m_sci->setSelectionBackgroundColor(background);
    else
        m_sci->resetSelectionBackgroundColor();
}

void TCodeEditor::setEditorFont(const QFont &font)
{
    m_font = font;
    m_sci->setFont(font);
    m_sci->setMarginsFont(font);
    if (m_bridge)
        m_bridge->setBaseFont(font);
    updateGutterWidth();
}

int TCodeEditor::markerForColor(const QColor &color)
{
    int index = int(m_lineColorMarkers.indexOf(color));
    if (index < 0) {
        if (m_lineColorMarkers.size() >= LineColorMarkers)
            return -1;
        index = int(m_lineColorMarkers.size());
        m_lineColorMarkers.append(color);
        m_sci->markerDefine(QsciScintilla::Background, FirstLineColorMarker + index);
        m_sci->setMarkerBackgroundColor(color, FirstLineColorMarker + index);
    }
    return FirstLineColorMarker + index;
}

void TCodeEditor::setSpecialLineColor(int line, const QColor &background)
{
    for (int i = 0; i < m_lineColorMarkers.size(); ++i)
        m_sci->markerDelete(line - 1, FirstLineColorMarker + i);
    if (!background.isValid())
        return;
    const int marker = markerForColor(background);
    if (marker >= 0)
        m_sci->markerAdd(line - 1, marker);
}

void TCodeEditor::clearSpecialLineColors()
{
    for (int i = 0; i < m_lineColorMarkers.size(); ++i)
        m_sci->markerDeleteAll(FirstLineColorMarker + i);
}

void TCodeEditor::setHighlighter(const TSynCustomHighlighter *highlighter)
{
    TSynLexerBridge *old = m_bridge;
    m_highlighter = highlighter;
    m_bridge = highlighter ? new TSynLexerBridge(*highlighter, this) : nullptr;
    if (m_bridge)
        m_bridge->setBaseFont(m_font);
    m_sci->setLexer(m_bridge);
    // Nothing styled by the previous highlighter stays valid.
    m_sci->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, 0L);
    if (!m_bridge)
        setEditorFont(m_font);
    delete old;
}

QString TCodeEditor::attributeNameAt(int offset)
{
    if (!m_bridge)
        return {};
    const long pos = m_positions->toByte(offset);
    m_bridge->styleExactlyTo(pos + 1);
    return m_bridge->description(int(m_sci->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, pos)));
}

void TCodeEditor::styleAll()
{
    if (m_bridge)
        m_bridge->styleAll();
}

bool TCodeEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto *key = static_cast<QKeyEvent *>(event);
        key->setAccepted(false);
        if (event->type() == QEvent::KeyPress) {
            emit keyDown(key);
            if (key->isAccepted())
                return true;
            if (!key->text().isEmpty() && key->text().at(0).isPrint())
                emit keyPress(key->text());
        } else {
            emit keyUp(key);
            if (key->isAccepted())
                return true;
        }
        if (isLoading())
            return true;
        if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
            setInsertMode(!insertMode());
            return true;
        }
        // QScintilla drops a key whose text is a character beyond the basic plane (an emoji of
        // the keyboard layout), so the typed character would be lost: it goes in here instead.
        if (event->type() == QEvent::KeyPress && !m_readOnly && key->text().size() > 1
            && key->text().at(0).isHighSurrogate()) {
            replaceSelection(key->text());
            return true;
        }
        key->setAccepted(true);
    }
    return QWidget::eventFilter(watched, event);
}
