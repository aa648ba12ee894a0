#pragma once

#include <QObject>
#include <QPointer>

class TMainForm;
class TSearchForm;
class TSearchResultForm;
class TVYRACore;

// Search and replace in the main window: "Suchen..." and "Ersetzen" open the
// search dialog for the active document, a search in it becomes the search
// that "Weitersuchen" continues, a file search goes to the result window,
// and the replace question of the documents is answered here. Both windows
// are made on first use and live as long as the main window.
class TSearchFeature : public QObject
{
    Q_OBJECT
public:
    TSearchFeature(TVYRACore &core, TMainForm &window);
    ~TSearchFeature() override;

    // searchTab: "In Text suchen", else "Suchen und Ersetzen".
    void ShowSearchDialog(bool searchTab);
    TSearchForm *Form();
    TSearchResultForm *Results();

private:
    TVYRACore &m_core;
    TMainForm &m_window;
    QPointer<TSearchForm> m_form;
    QPointer<TSearchResultForm> m_results;
};
