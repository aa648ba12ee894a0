#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class TSearchResultModel;
class TTalvexStudioFileSearch;
class TVYRADocumentContainer;

// "Suchergebnisse": the hits of a file search, listed while the search
// runs, with its progress and a button to cancel it. A double click shows
// a hit in its document; "In Dateien ersetzen" replaces every hit. The
// window owns the search it shows: a new search or closing frees it.
class TSearchResultForm : public QWidget
{
    Q_OBJECT
public:
    TSearchResultForm(TVYRADocumentContainer &container, QWidget *parent);
    ~TSearchResultForm() override;

    // Takes the search over and shows it (the search may be running). When
    // it ends without hits the user is told and the window goes.
    void ShowSearch(std::unique_ptr<TTalvexStudioFileSearch> search);
    TTalvexStudioFileSearch *Search() const { return m_search.get(); }
    QTableView *ResultList() const { return m_results; }
    // Shows the hit of a row in its document.
    void OpenRow(int row);
    // Replaces every hit with the text of the replacement field.
    void ReplaceAll();

signals:
    // The search shown has ended (finished, cancelled or freed).
    void searchEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void showProgress();
    void searchFinished();
    void freeSearch();
    QStringList replaceInOpenDocuments(const QStringList &files, int &replaced, int &changed);

    TVYRADocumentContainer &m_container;
    std::unique_ptr<TTalvexStudioFileSearch> m_search;
    TSearchResultModel *m_model = nullptr;
    QTableView *m_results = nullptr;
    QLabel *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    QLineEdit *m_replaceText = nullptr;
    QPushButton *m_replace = nullptr;
};
