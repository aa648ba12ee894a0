#pragma once

#include "facade/TVYRAEditorEnvironment.h"
#include "vyra_export.h"

#include <QPoint>
#include <QString>
#include <memory>

class IEditorDocument;
class QWidget;
class TIHighlighter;
class TIHighlighters;
class TVYRATextAttributes;

// The editor of one document, whichever control its mode shows: text,
// selection, clipboard, caret and highlighter operations go to the code
// editor or the rich editor. Holds no text of its own.
class VYRA_EXPORT TVYRAEditor
{
public:
    static constexpr const char *CursorMarker = "%cursor%";

    TVYRAEditor(IEditorDocument *document, TVYRAEditorEnvironment environment);

    QString GetText() const;
    void SetText(const QString &Text);
    // Inserts Text in place of the selection, line breaks made the
    // document's own; the caret goes where the first "%cursor%" stood (all
    // markers are removed), else behind the text with KeepCaretAfter, else before it.
    void InsertText(const QString &Text, bool KeepCaretAfter);
    // Before + "%cursor%" + After.
    void InsertTag(const QString &Before, const QString &After);
    void GotoLine(int Line);
    void BeginUpdate();
    void EndUpdate();
    QWidget *GetHandle() const;
    bool GetWordWrap() const;
    void SetWordWrap(bool on);

    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void SelectAll();
    void ClearSelection();
    void Undo();
    void Redo();
    bool CanCopy() const;
    bool CanPaste() const;
    bool CanUndo() const;
    bool CanRedo() const;
    bool CanFormat() const;
    bool CanFocus() const;
    bool IsFocused() const;
    void SetFocus();
    // Code editor: column and line as it counts them (1-based); rich editor:
    // column and line of the caret (0-based).
    QPoint CaretPos() const;
    int CaretX() const { return CaretPos().x(); }
    int CaretY() const { return CaretPos().y(); }

    std::unique_ptr<TVYRATextAttributes> GetTextAttributes();
    TIHighlighters *GetHighlighters() const { return m_env.highlighters; }
    // A copy of the entry shown in the code editor; entry 0 when none matches.
    std::unique_ptr<TIHighlighter> GetActiveHighlighter() const;
    void SetActiveHighlighter(const TIHighlighter *entry);
    void SetActiveHighlighter(const QString &name);
    void ApplyHighlighter(const TIHighlighter *entry);
    void ApplyHighlighter(const QString &name);
    // "openstandards.xml" first, then the file-type registry.
    void ApplyHighlighterByFile(const QString &FileName);
    void HighlighterChanged();

    IEditorDocument *GetParent() const { return m_document; }
    const TVYRAEditorEnvironment &Environment() const { return m_env; }

    // Text with every line break made lineBreak ("\r\n", "\r" or "\n";
    // anything else counts as "\n").
    static QString ConvertLineBreaks(const QString &text, const QString &lineBreak);

private:
    const TIHighlighter *resolve(const QString &name) const;
    const TIHighlighter *registered(const TIHighlighter *entry) const;

    IEditorDocument *m_document;
    TVYRAEditorEnvironment m_env;
};
