#pragma once

#include "facade/IEditorDocument.h"
#include "vyra_export.h"

class TVYRADocument;
class TVYRADocumentContainer;

// What the editor facade sees of one open document: its controls and mode,
// and the container's reactions to changes, highlighters, searches and
// replace questions.
class VYRA_EXPORT TVYRADocumentEditorLink : public IEditorDocument
{
public:
    TVYRADocumentEditorLink(TVYRADocumentContainer *container, TVYRADocument *document);

    bool EditorMode() const override;
    void SetEditorMode(bool codeEditor) override;
    TCodeEditor *CodeEditor() const override;
    TRichEditor *RichEditor() const override;
    bool IsPlainText() const override;
    QString LineBreak() const override;
    bool HasCodeEditors() const override;
    void Changed() override;
    void HighlighterChanged() override;
    void SearchStarted() override;
    TReplaceAction AskReplace(const QString &found, const QString &replaceBy) override;

private:
    TVYRADocumentContainer *m_container;
    TVYRADocument *m_document;
};
