#include "container/TVYRADocumentEditorLink.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"

TVYRADocumentEditorLink::TVYRADocumentEditorLink(TVYRADocumentContainer *container, TVYRADocument *document)
    : m_container(container)
    , m_document(document)
{
}

bool TVYRADocumentEditorLink::EditorMode() const
{
    return m_container->IsCodeEditorAvailable() && m_document->EditorMode();
}

void TVYRADocumentEditorLink::SetEditorMode(bool codeEditor)
{
    m_container->SetEditorMode(m_container->Documents().IndexOf(m_document), codeEditor);
}

TCodeEditor *TVYRADocumentEditorLink::CodeEditor() const
{
    return m_container->GetSynEdit(m_container->Documents().IndexOf(m_document));
}

TRichEditor *TVYRADocumentEditorLink::RichEditor() const
{
    return m_container->GetRichEdit(m_container->Documents().IndexOf(m_document));
}

bool TVYRADocumentEditorLink::IsPlainText() const
{
    const TRichEditor *rich = RichEditor();
    return EditorMode() || !rich || rich->plainText();
}

QString TVYRADocumentEditorLink::LineBreak() const
{
    if (const TCodeEditor *code = CodeEditor())
        return TLineBreaks::Text(code->lineBreak());
    return QStringLiteral("\n");
}

bool TVYRADocumentEditorLink::HasCodeEditors() const
{
    return m_container->IsCodeEditorAvailable();
}

void TVYRADocumentEditorLink::Changed()
{
    m_container->Changed(m_document);
}

void TVYRADocumentEditorLink::HighlighterChanged()
{
    m_container->HighlighterChanged(m_document);
}

void TVYRADocumentEditorLink::SearchStarted()
{
    if (m_container->Events().OnDocumentSearchStarted)
        m_container->Events().OnDocumentSearchStarted(m_document);
}

TReplaceAction TVYRADocumentEditorLink::AskReplace(const QString &found, const QString &replaceBy)
{
    TReplaceAction action = raReplaceAll;
    const TCodeEditor *code = EditorMode() ? CodeEditor() : nullptr;
    if (m_container->Events().OnReplaceText)
        m_container->Events().OnReplaceText(m_document, found, replaceBy, code ? code->caretLine() : -1,
                                            code ? code->caretColumn() : -1, action);
    return action;
}
