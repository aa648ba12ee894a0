#include "editor/TCompletionProposal.h"

#include "completion/TPHPParamScanner.h"
#include "completion/TVYRACodeCompletionService.h"
#include "editor/TCodeEditor.h"
#include "editor/TScintillaPositions.h"
#include "settings/TCommaText.h"

#include <Qsci/qsciscintilla.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <utility>

namespace {

constexpr char ListSeparator = '\n';
// Item texts may hold "?" (nullable PHP types), Scintilla's default mark of an item image.
constexpr char NoTypeSeparator = '\x1e';
constexpr int VisibleListRows = 12;

bool isWordChar(QChar c)
{
    return TPHPParamScanner::IsIdentChar(c) || c == u'-';
}

} // namespace

TCompletionProposal::TCompletionProposal(TCodeEditor *editor)
    : QObject(editor), m_editor(editor), m_sci(editor->findChild<QsciScintilla *>())
{
    setObjectName(QStringLiteral("CompletionProposal"));
    m_completer.ShortCut = QKeySequence(Qt::CTRL | Qt::Key_Space);
    m_params.ShortCut = QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Space);
    m_params.SetEditor(this);
    m_completer.SetEditor(this);
    // The editor keeps Scintilla's UTF-16 line index allocated; this adapter only reads it.
    if (m_sci)
        m_positions = std::make_unique<TScintillaPositions>(*m_sci);
    for (QTimer *timer : {&m_completerTimer, &m_paramsTimer})
        timer->setSingleShot(true);
    connect(&m_completerTimer, &QTimer::timeout, this, &TCompletionProposal::ShowCompletion);
    connect(&m_paramsTimer, &QTimer::timeout, this, &TCompletionProposal::ShowParams);
    connect(editor, &TCodeEditor::keyDown, this, &TCompletionProposal::onKeyDown);
    connect(editor, &TCodeEditor::keyPress, this, &TCompletionProposal::onKeyPress);
    connect(editor, &TCodeEditor::statusChanged, this, &TCompletionProposal::onCaretMoved);
    if (m_sci) {
        connect(m_sci, qOverload<const char *, int>(&QsciScintillaBase::SCN_AUTOCSELECTION), this,
                &TCompletionProposal::onListSelection);
        connect(m_sci, &QsciScintillaBase::SCN_AUTOCCANCELLED, this, [this] { m_listOurs = false; });
    }
}

TCompletionProposal::~TCompletionProposal() = default;

TCompletionProposal *TCompletionProposal::Of(const TCodeEditor *editor)
{
    return editor ? editor->findChild<TCompletionProposal *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool TCompletionProposal::SetUp(TVYRACodeCompletionService &service, const TIHighlighter *entry)
{
    if (IsListActive() || IsHintActive())
        return false;
    service.SetUpParamCompletion(entry, &m_params);
    service.SetUpCompleter(entry, &m_completer);
    Attach();
    return true;
}

void TCompletionProposal::Attach()
{
    m_attached = true;
}

void TCompletionProposal::Detach()
{
    m_attached = false;
    CancelAll();
}

QString TCompletionProposal::CaretLineText() const
{
    return m_editor ? m_editor->lineText(m_editor->caretLine() - 1) : QString();
}

int TCompletionProposal::CaretColumn() const
{
    return m_editor ? m_editor->caretColumn() : 1;
}

bool TCompletionProposal::IsListActive() const
{
    return m_sci && m_sci->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) != 0;
}

bool TCompletionProposal::IsHintActive() const
{
    return m_sci && m_sci->SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE) != 0;
}

void TCompletionProposal::CancelAll()
{
    m_completerTimer.stop();
    m_paramsTimer.stop();
    m_askAgain = false;
    if (!m_sci)
        return;
    if (m_listOurs && IsListActive())
        m_sci->SendScintilla(QsciScintillaBase::SCI_AUTOCCANCEL);
    m_sci->SendScintilla(QsciScintillaBase::SCI_CALLTIPCANCEL);
    m_listOurs = false;
}

QString TCompletionProposal::WordBeforeCaret() const
{
    const QString line = CaretLineText();
    const int caret = std::clamp(CaretColumn() - 1, 0, int(line.size()));
    int start = caret;
    while (start > 0 && isWordChar(line[start - 1]) && !m_completer.EndOfTokenChr.contains(line[start - 1])
           && !m_completer.TriggerChars.contains(line[start - 1]))
        --start;
    QString word = line.mid(start, caret - start);
    // "-" joins words of HTML ("http-equiv"); before an unknown word it is an operator ("$a-str_").
    while (word.startsWith(u'-'))
        word.remove(0, 1);
    if (word.contains(u'-') && m_completer.Matching(word, 1).isEmpty())
        word = word.mid(word.lastIndexOf(u'-') + 1);
    return word;
}

void TCompletionProposal::prepareList()
{
    using B = QsciScintillaBase;
    m_sci->SendScintilla(B::SCI_AUTOCSETSEPARATOR, long(ListSeparator));
    m_sci->SendScintilla(B::SCI_AUTOCSETTYPESEPARATOR, long(NoTypeSeparator));
    m_sci->SendScintilla(B::SCI_AUTOCSETIGNORECASE, 1L);
    m_sci->SendScintilla(B::SCI_AUTOCSETCASEINSENSITIVEBEHAVIOUR, long(B::SC_CASEINSENSITIVEBEHAVIOUR_IGNORECASE));
    m_sci->SendScintilla(B::SCI_AUTOCSETORDER, long(B::SC_ORDER_PERFORMSORT));
    m_sci->SendScintilla(B::SCI_AUTOCSETAUTOHIDE, 1L);
    m_sci->SendScintilla(B::SCI_AUTOCSETCHOOSESINGLE, 0L);
    m_sci->SendScintilla(B::SCI_AUTOCSETDROPRESTOFWORD, 0L);
    m_sci->SendScintilla(B::SCI_AUTOCSETMAXHEIGHT, long(VisibleListRows));
    m_sci->SendScintilla(B::SCI_AUTOCSTOPS, 0UL, m_completer.EndOfTokenChr.toUtf8().constData());
}

bool TCompletionProposal::ShowCompletion()
{
    m_completerTimer.stop();
    m_askAgain = false;
    if (!m_attached || !m_sci || !m_editor || m_editor->isReadOnly() || !m_completer.Execute())
        return false;
    const QString word = WordBeforeCaret();
    // One more than is shown tells that the list is cut.
    const QList<int> hits = m_completer.Matching(word, MaxListItems + 1);
    m_shown.clear();
    m_shownOrder.clear();
    m_listCut = false;
    for (int index : hits) {
        if (m_shownOrder.size() == MaxListItems) {
            m_listCut = true;
            break;
        }
        QString line = m_completer.DisplayText(index);
        line.replace(QLatin1Char(ListSeparator), u' ');
        line.replace(QLatin1Char(NoTypeSeparator), u' ');
        if (!line.isEmpty() && !m_shown.contains(line)) {
            m_shown.insert(line, index);
            m_shownOrder.append(line);
        }
    }
    if (m_shownOrder.isEmpty())
        return false;
    if (!caretOnScreen())
        return false;
    prepareList();
    m_listOurs = true;
    const QByteArray list = m_shownOrder.join(QLatin1Char(ListSeparator)).toUtf8();
    const int caret = m_editor->caretOffset();
    const long entered = m_positions->toByte(caret) - m_positions->toByte(caret - int(word.size()));
    m_sci->SendScintilla(QsciScintillaBase::SCI_AUTOCSHOW, static_cast<unsigned long>(entered), list.constData());
    return IsListActive();
}

void TCompletionProposal::onListSelection(const char *selection, int position)
{
    if (!m_listOurs)
        return;
    m_listOurs = false;
    const QString chosen = QString::fromUtf8(selection);
    const int index = m_shown.value(chosen, -1);
    const QString insert = m_completer.CompletionText(index);
    if (index < 0 || insert == chosen)
        return; // Scintilla inserts the line itself
    // Insert the item's own text instead of the line shown for it.
    m_sci->SendScintilla(QsciScintillaBase::SCI_AUTOCCANCEL);
    const long caret = m_sci->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const QByteArray text = insert.toUtf8();
    m_sci->beginUndoAction();
    m_sci->SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(position), caret);
    m_sci->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<unsigned long>(text.size()),
                         text.constData());
    m_sci->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, long(position) + long(text.size()));
    m_sci->endUndoAction();
}

void TCompletionProposal::buildHint()
{
    QStringList lines;
    int markStart = 0;
    int markEnd = 0;
    for (int i = 0; i < m_params.ItemList().size(); ++i) {
        const QStringList params = TCommaText::Split(m_params.ItemList()[i]);
        QString line = m_params.LastFunction + u'(';
        for (int p = 0; p < params.size(); ++p) {
            if (p > 0)
                line += QStringLiteral(", ");
            if (i == 0 && p == m_params.CurrentIndex)
                markStart = int(line.size()), markEnd = int(line.size() + params[p].size());
            line += params[p];
        }
        lines.append(line + u')');
    }
    m_hintText = lines.join(u'\n');
    m_hintHighlight = {markStart, markEnd};
}

bool TCompletionProposal::ShowParams()
{
    m_paramsTimer.stop();
    if (!m_attached || !m_sci || !m_editor)
        return false;
    if (!m_params.Execute() || m_params.ItemList().isEmpty()) {
        m_sci->SendScintilla(QsciScintillaBase::SCI_CALLTIPCANCEL);
        m_hintText.clear();
        return false;
    }
    const QString before = m_hintText;
    buildHint();
    // The same call keeps its hint where it stands; only the mark moves.
    if (!IsHintActive() && !caretOnScreen())
        return false;
    if (!IsHintActive() || before != m_hintText || m_hintFunction != m_params.LastFunction) {
        m_hintFunction = m_params.LastFunction;
        m_sci->SendScintilla(QsciScintillaBase::SCI_CALLTIPSHOW,
                             static_cast<unsigned long>(m_sci->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)),
                             m_hintText.toUtf8().constData());
    }
    const long start = long(m_hintText.left(m_hintHighlight.first).toUtf8().size());
    const long end = long(m_hintText.left(m_hintHighlight.second).toUtf8().size());
    m_sci->SendScintilla(QsciScintillaBase::SCI_CALLTIPSETHLT, static_cast<unsigned long>(start), end);
    return IsHintActive();
}

void TCompletionProposal::onKeyDown(QKeyEvent *event)
{
    if (!m_attached)
        return;
    const QKeyCombination pressed = event->keyCombination();
    if (!m_completer.ShortCut.isEmpty() && pressed == m_completer.ShortCut[0]) {
        event->accept();
        ShowCompletion();
    } else if (!m_params.ShortCut.isEmpty() && pressed == m_params.ShortCut[0]) {
        event->accept();
        ShowParams();
    }
}

void TCompletionProposal::onKeyPress(const QString &text)
{
    if (!m_attached || text.isEmpty())
        return;
    const QChar typed = text.back();
    // A cut list does not hold every item the longer word matches: ask again once it is typed.
    if (m_listOurs && m_listCut && isWordChar(typed) && IsListActive() && !m_askAgain) {
        m_askAgain = true;
        QTimer::singleShot(0, this, [this] {
            if (std::exchange(m_askAgain, false))
                ShowCompletion();
        });
    }
    // The character is not in the text yet: the timers open after it is.
    if (m_completer.TriggerChars.contains(typed))
        m_completerTimer.start(std::max(0, m_completer.TimerInterval));
    if (m_params.TriggerChars.contains(typed))
        m_paramsTimer.start(std::max(0, m_params.TimerInterval));
}

void TCompletionProposal::onCaretMoved(unsigned changes)
{
    if ((changes & scCaret) && m_attached && IsHintActive())
        ShowParams();
}

// Scintilla places its pop-ups on the screen under the caret and takes that
// screen without asking whether there is one: a caret beside every screen
// (a window pushed partly off the desktop, a hidden window) would crash it.
bool TCompletionProposal::caretOnScreen() const
{
    const long position = m_sci->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const QPoint local(int(m_sci->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, position)),
                       int(m_sci->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, position)));
    return QGuiApplication::screenAt(m_sci->viewport()->mapToGlobal(local)) != nullptr;
}
