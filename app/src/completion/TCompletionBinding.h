#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class TCodeEditor;
class TCompletionProposal;
class TIHighlighters;
class TVYRACodeCompletionService;

// Keeps an editor's completion list and parameter hint set up for the
// highlighter at the caret: inside a PHP block of an HTML file the PHP
// catalogue, outside it the HTML one. Where no catalogue serves that
// highlighter, nothing is offered (no stale list of another language), and
// while completion is switched off in the settings nothing opens.
class TCompletionBinding : public QObject
{
    Q_OBJECT
public:
    using EnabledRule = std::function<bool()>;

    TCompletionBinding(TCodeEditor *editor, TVYRACodeCompletionService &service, const TIHighlighters &highlighters,
                       EnabledRule enabled);

    TCompletionProposal *Proposal() const { return m_proposal; }
    // Sets the proposal up for the caret as it stands now.
    void Update();
    // Caret moves are gathered: while the user types, the set-up runs once
    // a short pause after the last move, not on every key.
    static constexpr int GatherMilliseconds = 25;

private:
    TCodeEditor *const m_editor;
    TCompletionProposal *const m_proposal;
    TVYRACodeCompletionService &m_service;
    const TIHighlighters &m_highlighters;
    EnabledRule m_enabled;
    QTimer m_gather;
};
