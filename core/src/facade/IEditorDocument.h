#pragma once

#include "vyra_export.h"

#include <QString>

class TCodeEditor;
class TRichEditor;

// The answers to the replace question, as the container's replace event gives them.
enum TReplaceAction { raCancel = 0, raSkip = 1, raReplace = 2, raReplaceAll = 3 };

// What the editor facade needs of a document and of the container around
// it. The document classes implement it; tests supply their own.
class VYRA_EXPORT IEditorDocument
{
public:
    virtual ~IEditorDocument();

    // True: the code editor shows the document; false: the rich editor.
    virtual bool EditorMode() const = 0;
    // Switches the document between the editors (the container's switch).
    virtual void SetEditorMode(bool codeEditor) = 0;
    virtual TCodeEditor *CodeEditor() const = 0;
    virtual TRichEditor *RichEditor() const = 0;
    // A plain-text document cannot be formatted in the rich editor.
    virtual bool IsPlainText() const = 0;
    // The document's own line break ("\r\n", "\n" or "\r").
    virtual QString LineBreak() const = 0;
    // False when the container was made without code editors.
    virtual bool HasCodeEditors() const = 0;

    // Marks the document modified and reports the change.
    virtual void Changed() = 0;
    // Tells the container's highlighter-changed handlers.
    virtual void HighlighterChanged() = 0;
    // Tells the container that a search started in this document.
    virtual void SearchStarted() = 0;
    // The replace question: found is selected in the document.
    virtual TReplaceAction AskReplace(const QString &found, const QString &replaceBy) = 0;
};
