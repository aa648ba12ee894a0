#include "search/TSearchFeature.h"

#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/TSearchState.h"
#include "search/TReplaceQuestion.h"
#include "search/TSearchForm.h"
#include "search/TSearchResultForm.h"
#include "search/TTalvexStudioFileSearch.h"
#include "ui/TPrompter.h"

TSearchFeature::TSearchFeature(TVYRACore &core, TMainForm &window)
    : QObject(&window)
    , m_core(core)
    , m_window(window)
{
    window.Registry().SetHandler(QStringLiteral("EditSearch"), [this] { ShowSearchDialog(true); });
    window.Registry().SetHandler(QStringLiteral("EditReplace"), [this] { ShowSearchDialog(false); });
    if (TVYRADocumentContainer *container = core.Container()) {
        container->Events().OnReplaceText = [](TVYRADocument *, const QString &search, const QString &replace, int,
                                               int, TReplaceAction &action) {
            action = TReplaceQuestion::Ask(search, replace, TPrompter::instance());
        };
    }
}

TSearchFeature::~TSearchFeature()
{
    if (TVYRADocumentContainer *container = m_core.Container())
        container->Events().OnReplaceText = nullptr;
    // The result window frees its search (and waits for its threads) with itself.
    delete m_results.data();
    delete m_form.data();
}

TSearchForm *TSearchFeature::Form()
{
    if (!m_form) {
        m_form = new TSearchForm(m_core, &m_window);
        m_form->OnSearched = [this](const QString &text, TVYRASearchOptions options) {
            m_window.SearchState().SetSearch(text, options);
        };
        m_form->OnFileSearch = [this](std::unique_ptr<TTalvexStudioFileSearch> search) {
            Results()->ShowSearch(std::move(search));
        };
    }
    return m_form;
}

TSearchResultForm *TSearchFeature::Results()
{
    if (!m_results)
        m_results = new TSearchResultForm(*m_core.Container(), &m_window);
    return m_results;
}

void TSearchFeature::ShowSearchDialog(bool searchTab)
{
    Form()->ShowSearchDialog(m_window.ActiveDocument(), searchTab);
}
