#include "structure/TTagInspectorController.h"

#include "analysis/TAttributeWriter.h"
#include "completion/TVYRAHTMLTagList.h"
#include "editor/TCodeEditor.h"
#include "structure/TActiveCodeEditor.h"
#include "structure/TTagInspectorPanel.h"

#include <QDockWidget>

TTagInspectorController::TTagInspectorController(TVYRADocumentContainer &container, TTagInspectorPanel &panel,
                                                 QDockWidget &dock, TTagInspectorThread::TTags tags)
    : m_container(container), m_panel(panel), m_dock(dock)
{
    m_thread.SetTagList(std::move(tags));
    connect(&m_thread, &TTagInspectorThread::finished, this,
            [this](TVYRADocument *document, const TTagInspection &inspection, int) { inspected(document, inspection); });
    connect(&m_panel, &TTagInspectorPanel::attributeEdited, this,
            [this](const QString &name, const QString &value) { WriteAttribute(name, value); });
    connect(&m_dock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            caretMoved();
    });
}

TTagInspectorController::~TTagInspectorController()
{
    unwatch();
}

void TTagInspectorController::unwatch()
{
    disconnect(m_caretConnection);
    disconnect(m_textConnection);
    disconnect(m_loadConnection);
}

TCodeEditor *TTagInspectorController::editor() const
{
    return EditableCodeEditor(m_container, m_document);
}

void TTagInspectorController::DocumentActivated(TVYRADocument *document)
{
    if (document == m_document && m_caretConnection)
        return;
    unwatch();
    m_document = document;
    m_textValid = false;
    m_thread.Cancel();
    if (TCodeEditor *code = editor()) {
        m_caretConnection = connect(code, &TCodeEditor::statusChanged, this, [this](unsigned changes) {
            if (changes & (scCaret | scSelection))
                caretMoved();
        });
        // Text that arrives without an edit (loading) must not be missed either.
        m_textConnection = connect(code, &TCodeEditor::textChanged, this, [this] { m_textValid = false; });
        m_loadConnection = connect(code, &TCodeEditor::loadFinished, this, [this] {
            m_textValid = false;
            caretMoved();
        });
    }
    caretMoved();
}

void TTagInspectorController::DocumentChanged(TVYRADocument *document)
{
    if (document != m_document)
        return;
    m_textValid = false;
    // Where the tag stood is no longer known.
    m_current.TagStart = -1;
    m_current.TagLength = -1;
}

void TTagInspectorController::DocumentClosing(TVYRADocument *document)
{
    if (document != m_document)
        return;
    unwatch();
    m_document = nullptr;
    m_text.clear();
    m_textValid = false;
    m_thread.Cancel();
    m_current = TTagInspection();
    m_panel.ShowNoTag();
}

void TTagInspectorController::caretMoved()
{
    if (m_updating || !m_dock.isVisible())
        return;
    TCodeEditor *code = editor();
    if (!code) {
        m_thread.Cancel();
        show(TTagInspection());
        return;
    }
    // A caret beyond the end of its line stands in no tag.
    if (code->caretColumn() - 1 > code->lineText(code->caretLine() - 1).size()) {
        m_thread.Cancel();
        show(TTagInspection());
        return;
    }
    if (!m_textValid) {
        m_text = code->text();
        m_textValid = true;
    }
    m_thread.Start(m_document, m_text, code->selStart());
}

void TTagInspectorController::inspected(TVYRADocument *document, const TTagInspection &inspection)
{
    if (document == m_document)
        show(inspection);
}

void TTagInspectorController::show(const TTagInspection &inspection)
{
    m_current = inspection;
    const TTagInspectorThread::TTags &tags = m_thread.TagList();
    if (inspection.Found() && tags)
        m_panel.ShowTag(tags->GetTags(inspection.TagIndex), inspection);
    else
        m_panel.ShowNoTag();
}

bool TTagInspectorController::WriteAttribute(const QString &name, const QString &value)
{
    TCodeEditor *code = editor();
    const TTagInspectorThread::TTags &tags = m_thread.TagList();
    if (!code || !tags || name.isEmpty() || code->isReadOnly())
        return false;
    // Inspected again on the text as it is now: the background result may be older.
    const QString text = code->text();
    const int caret = code->selStart();
    const TTagInspection now = TTagInspection::Inspect(text, caret, *tags);
    if (!now.Found())
        return false;
    const TVYRAHTMLTag &tag = tags->GetTags(now.TagIndex);
    const int attribute = tag.IndexOf(name);
    const TVYRAHTMLAttributeType kind = attribute >= 0 ? tag.GetAttributes(attribute).AttributeType : atText;
    const QString before = text.mid(now.TagStart, now.TagLength);
    const QString after = TAttributeWriter::Write(before, name, value, kind);
    if (after == before)
        return false;
    m_updating = true;
    code->beginUndoGroup();
    code->setSelection(now.TagStart, now.TagLength);
    code->replaceSelection(after);
    code->endUndoGroup();
    // The caret stays on its character: behind the tag it moves with the text.
    const int tagEnd = now.TagStart + now.TagLength;
    const int restored = caret >= tagEnd ? caret + int(after.size() - before.size())
                                         : qMin(caret, now.TagStart + int(after.size()) - 1);
    code->setCaretOffset(restored);
    m_updating = false;
    m_text = code->text();
    m_textValid = true;
    show(TTagInspection::Inspect(m_text, code->selStart(), *tags));
    return true;
}
