#pragma once

#include "completion/ICompletionEditor.h"
#include "completion/TCompletionComponent.h"
#include "vyra_export.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

class QKeyEvent;
class QsciScintilla;
class TCodeEditor;
class TIHighlighter;
class TVYRACodeCompletionService;
class TScintillaPositions;

// The completion list and the parameter hint of one code editor, shown with
// Scintilla's autocompletion list and call tip. It owns the editor's two
// completion components, which the completion service sets up for the
// highlighter at the caret; the list opens on the completer's shortcut or a
// trigger character after its delay, the hint likewise, and the hint follows
// the caret while it shows. Created as a child of the editor, it lives and
// dies with it.
class VYRA_EXPORT TCompletionProposal : public QObject, public ICompletionEditor
{
    Q_OBJECT
public:
    // Finds the editor's Scintilla control among its children and listens to
    // the editor's key and status signals, so the editor needs no hook.
    explicit TCompletionProposal(TCodeEditor *editor);
    ~TCompletionProposal() override;

    // The proposal attached to an editor, or nullptr.
    static TCompletionProposal *Of(const TCodeEditor *editor);

    TCompletionComponent &Completer() { return m_completer; }
    TCompletionComponent &Params() { return m_params; }

    // Sets both components up for the highlighter at the caret and attaches
    // the proposal; while the list or the hint shows, they are left as they
    // are, so what shows does not change under the user. False when nothing
    // was set up.
    bool SetUp(TVYRACodeCompletionService &service, const TIHighlighter *entry);

    // A detached proposal opens nothing and closes what it showed.
    void Attach();
    void Detach();
    bool IsAttached() const { return m_attached; }

    // Opens the list with the items that start with the word left of the
    // caret; false when none does. A list shows at most MaxListItems items:
    // building the list window costs time per item, so a longer one shows
    // its first items and is asked again with each character typed.
    bool ShowCompletion();
    static constexpr int MaxListItems = 200;
    bool IsListCut() const { return m_listCut; }
    // Opens or updates the hint for the call at the caret; false (and the
    // hint closed) when the caret is in no known call.
    bool ShowParams();
    void CancelAll();

    bool IsListActive() const;
    bool IsHintActive() const;
    // What the list and the hint show (for the status and tests).
    QStringList ShownItems() const { return m_shownOrder; }
    QString HintText() const { return m_hintText; }
    // The marked part of the hint as character offsets [start, end).
    std::pair<int, int> HintHighlight() const { return m_hintHighlight; }

    // The word left of the caret that the list completes.
    QString WordBeforeCaret() const;

    QString CaretLineText() const override;
    int CaretColumn() const override;

private:
    bool caretOnScreen() const;
    void onKeyDown(QKeyEvent *event);
    void onKeyPress(const QString &text);
    void onCaretMoved(unsigned changes);
    void onListSelection(const char *selection, int position);
    void prepareList();
    // One hint line per item, and the marked parameter of the first line.
    void buildHint();

    QPointer<TCodeEditor> m_editor;
    QPointer<QsciScintilla> m_sci;
    std::unique_ptr<TScintillaPositions> m_positions;
    TCompletionComponent m_completer{ctCode};
    TCompletionComponent m_params{ctParams};
    QTimer m_completerTimer;
    QTimer m_paramsTimer;
    bool m_attached = true;
    bool m_listOurs = false;
    bool m_listCut = false;
    bool m_askAgain = false;
    QHash<QString, int> m_shown; // list line -> item index
    QStringList m_shownOrder;
    QString m_hintText;
    QString m_hintFunction;
    std::pair<int, int> m_hintHighlight{0, 0};
};
