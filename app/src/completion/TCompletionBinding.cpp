#include "completion/TCompletionBinding.h"

#include "completion/TVYRACodeCompletionService.h"
#include "editor/TCodeEditor.h"
#include "editor/TCompletionProposal.h"
#include "highlighters/TIHighlighters.h"

TCompletionBinding::TCompletionBinding(TCodeEditor *editor, TVYRACodeCompletionService &service,
                                       const TIHighlighters &highlighters, EnabledRule enabled)
    : QObject(editor)
    , m_editor(editor)
    , m_proposal(new TCompletionProposal(editor))
    , m_service(service)
    , m_highlighters(highlighters)
    , m_enabled(std::move(enabled))
{
    m_gather.setSingleShot(true);
    m_gather.setInterval(GatherMilliseconds);
    connect(&m_gather, &QTimer::timeout, this, &TCompletionBinding::Update);
    connect(editor, &TCodeEditor::statusChanged, this, [this](unsigned changes) {
        if (changes & (scCaret | scSelection))
            m_gather.start();
    });
    Update();
}

void TCompletionBinding::Update()
{
    if (m_enabled && !m_enabled()) {
        m_proposal->Detach();
        return;
    }
    // What shows stays as it is until it closes.
    if (m_proposal->IsListActive() || m_proposal->IsHintActive())
        return;
    const TSynCustomHighlighter *active = m_editor->highlighterAtCaret();
    const int index = active ? m_highlighters.IndexOf(active) : -1;
    const TIHighlighter *entry = index >= 0 ? m_highlighters.GetHighlighter(index) : nullptr;
    if (!m_service.Serves(entry)) {
        m_proposal->Detach();
        return;
    }
    m_proposal->SetUp(m_service, entry);
}
