#pragma once

#include "search/TSearchDialogRules.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;
class TTalvexStudioFileSearch;
class TVYRACore;
class TVYRADocument;
class TVYRAEditor;

// "Suchen / Ersetzen": searching and replacing in the active document, and
// searching in many files. One modeless window for the whole session; it
// keeps its settings, folder and history (in memory) between uses.
class TSearchForm : public QDialog
{
    Q_OBJECT
public:
    TSearchForm(TVYRACore &core, QWidget *parent);
    ~TSearchForm() override;

    // No document: nothing. Otherwise shows the dialog on the search tab
    // (searchTab) or the replace tab, with the document's selected text.
    void ShowSearchDialog(TVYRADocument *document, bool searchTab);
    // What "Weitersuchen" searches for.
    QString SearchText() const;

    // Runs the button of the shown tab ("Suchen" / "Ersetzen").
    void Search();
    void ReplaceAll();

    // A file search to show (set by the window): it takes the search over.
    std::function<void(std::unique_ptr<TTalvexStudioFileSearch>)> OnFileSearch;
    // A search in the document was made: text and options, for "Weitersuchen".
    std::function<void(const QString &, TVYRASearchOptions)> OnSearched;

    // The controls, for the window's tests.
    QTabBar *Tabs() const { return m_tabs; }
    QComboBox *SearchCombo() const { return m_searchText; }
    QLineEdit *ReplaceEdit() const { return m_replaceText; }
    QLineEdit *FolderEdit() const { return m_folder; }
    QComboBox *FilterCombo() const { return m_filter; }
    QCheckBox *Box(const QString &objectName) const;
    QRadioButton *Radio(const QString &objectName) const;
    TSearchControls Controls() const;

private:
    void buildControls();
    void applyTabLayout();
    void refillFileFilters();
    void conditionChanged();
    int selectedCondition() const;
    void addToHistory(const QString &text);
    std::unique_ptr<TVYRAEditor> documentEditor() const;
    void searchInFiles(const QString &text, TVYRASearchOptions options);
    void searchInDocument(const QString &text, TVYRASearchOptions options);

    TVYRACore &m_core;
    QPointer<TVYRADocument> m_document;
    QTabBar *m_tabs = nullptr;
    QComboBox *m_searchText = nullptr;
    QLabel *m_replaceLabel = nullptr;
    QLineEdit *m_replaceText = nullptr;
    QGroupBox *m_options = nullptr;
    QGroupBox *m_area = nullptr;
    QGroupBox *m_direction = nullptr;
    QGroupBox *m_start = nullptr;
    QGroupBox *m_fileOptions = nullptr;
    QGroupBox *m_conditions = nullptr;
    QGroupBox *m_fileDir = nullptr;
    QLineEdit *m_folder = nullptr;
    QComboBox *m_filter = nullptr;
    QCheckBox *m_prompt = nullptr;
    QPushButton *m_search = nullptr;
    QPushButton *m_replaceAll = nullptr;
    QList<QRadioButton *> m_conditionButtons;
};
