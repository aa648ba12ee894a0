#include "search/TSearchForm.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "facade/TEditorControl.h"
#include "facade/TVYRAEditor.h"
#include "facade/TVYRATextSearch.h"
#include "framework/TVYRACore.h"
#include "search/TTalvexStudioFileSearch.h"
#include "ui/TPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {
constexpr int ReplaceTab = 1;
constexpr int FilesTab = 2;

QCheckBox *box(const QString &name, const QString &caption, QWidget *parent)
{
    auto *check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    return check;
}

QRadioButton *radio(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// A group of two radio buttons, the first checked.
QGroupBox *choice(const QString &caption, QRadioButton *first, QRadioButton *second, QWidget *parent)
{
    auto *group = new QGroupBox(caption, parent);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(first);
    layout->addWidget(second);
    first->setChecked(true);
    return group;
}
} // namespace

TSearchForm::TSearchForm(TVYRACore &core, QWidget *parent)
    : QDialog(parent, Qt::Tool)
    , m_core(core)
{
    setObjectName(QStringLiteral("SearchForm"));
    setWindowTitle(QStringLiteral("Suchen / Ersetzen"));
    setModal(false);
    buildControls();
    applyTabLayout();
}

TSearchForm::~TSearchForm() = default;

void TSearchForm::buildControls()
{
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("tbMain"));
    m_tabs->addTab(QStringLiteral("In Text suchen"));
    m_tabs->addTab(QStringLiteral("Suchen und Ersetzen"));
    m_tabs->addTab(QStringLiteral("In Dateien suchen"));
    connect(m_tabs, &QTabBar::currentChanged, this, &TSearchForm::applyTabLayout);

    m_searchText = new QComboBox(this);
    m_searchText->setObjectName(QStringLiteral("cbSearchText"));
    m_searchText->setEditable(true);
    m_searchText->setInsertPolicy(QComboBox::NoInsert);
    m_searchText->completer()->setCaseSensitivity(Qt::CaseSensitive);
    m_replaceLabel = new QLabel(QStringLiteral("Ersetzen mit:"), this);
    m_replaceLabel->setObjectName(QStringLiteral("lbReplaceWith"));
    m_replaceText = new QLineEdit(this);
    m_replaceText->setObjectName(QStringLiteral("edReplaceText"));
    auto *fields = new QGridLayout;
    auto *searchLabel = new QLabel(QStringLiteral("Suchen nach:"), this);
    searchLabel->setObjectName(QStringLiteral("lbSearchFor"));
    fields->addWidget(searchLabel, 0, 0);
    fields->addWidget(m_searchText, 0, 1);
    fields->addWidget(m_replaceLabel, 1, 0);
    fields->addWidget(m_replaceText, 1, 1);

    m_options = new QGroupBox(QStringLiteral("Optionen"), this);
    m_options->setObjectName(QStringLiteral("gbOptions"));
    m_prompt = box(QStringLiteral("cbPromptReplace"), QStringLiteral("Mit Bestätigung"), m_options);
    m_prompt->setChecked(true);
    auto *options = new QVBoxLayout(m_options);
    options->addWidget(box(QStringLiteral("cbCaseSensitive"), QStringLiteral("Groß- und Kleinschreibung"), m_options));
    options->addWidget(box(QStringLiteral("cbWholeWord"), QStringLiteral("Nur ganzes Wort suchen"), m_options));
    options->addWidget(box(QStringLiteral("cbUseRegEx"), QStringLiteral("Reguläre Ausdrücke verwenden"), m_options));
    options->addWidget(m_prompt);
    m_area = choice(QStringLiteral("Suchbereich"),
                    radio(QStringLiteral("rbSearch_WholeText"), QStringLiteral("Gesamter Text"), this),
                    radio(QStringLiteral("rbSearch_Selection"), QStringLiteral("Markierter Text"), this), this);
    m_direction = choice(QStringLiteral("Suchrichtung"),
                         radio(QStringLiteral("rbDirection_Forward"), QStringLiteral("Vorwärts"), this),
                         radio(QStringLiteral("rbDirection_Backward"), QStringLiteral("Rückwärts"), this), this);
    m_start = choice(QStringLiteral("Suchbeginn"),
                     radio(QStringLiteral("rbSearchStart_Begin"), QStringLiteral("Textanfang"), this),
                     radio(QStringLiteral("rbSearchStart_Cursor"), QStringLiteral("Ab Cursor"), this), this);

    m_fileOptions = new QGroupBox(QStringLiteral("Optionen"), this);
    m_fileOptions->setObjectName(QStringLiteral("gbFileOptions"));
    auto *fileOptions = new QVBoxLayout(m_fileOptions);
    fileOptions->addWidget(
        box(QStringLiteral("cbFileCaseSensitive"), QStringLiteral("Groß- und Kleinschreibung"), m_fileOptions));
    fileOptions->addWidget(box(QStringLiteral("cbFileWholeWord"), QStringLiteral("Nur ganzes Wort suchen"), m_fileOptions));
    fileOptions->addWidget(
        box(QStringLiteral("cbFileRegularExpr"), QStringLiteral("Reguläre Ausdrücke verwenden"), m_fileOptions));
    m_conditions = new QGroupBox(QStringLiteral("Bedingung"), this);
    m_conditions->setObjectName(QStringLiteral("rgFileConditions"));
    auto *conditions = new QGridLayout(m_conditions);
    const QStringList captions = {QStringLiteral("In allen Dateien des Projektes"),
                                  QStringLiteral("In allen offenen Dateien"), QStringLiteral("In Verzeichnissen")};
    for (int i = 0; i < captions.size(); ++i) {
        auto *button = radio(QStringLiteral("rbFileCondition%1").arg(i), captions[i], m_conditions);
        conditions->addWidget(button, i / 2, i % 2);
        connect(button, &QRadioButton::toggled, this, &TSearchForm::conditionChanged);
        m_conditionButtons.append(button);
    }
    m_conditionButtons[0]->setChecked(true);
    m_fileDir = new QGroupBox(QStringLiteral("Verzeichnis"), this);
    m_fileDir->setObjectName(QStringLiteral("gbFileDir"));
    m_folder = new QLineEdit(m_fileDir);
    m_folder->setObjectName(QStringLiteral("edFileDir"));
    auto *browse = new QPushButton(QStringLiteral("Durchsuchen..."), m_fileDir);
    browse->setObjectName(QStringLiteral("btnFileDirBrowse"));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Verzeichnis"), m_folder->text());
        if (!folder.isEmpty())
            m_folder->setText(folder);
    });
    m_filter = new QComboBox(m_fileDir);
    m_filter->setObjectName(QStringLiteral("cbFileFilterCombo"));
    m_filter->setEditable(true);
    m_filter->setInsertPolicy(QComboBox::NoInsert);
    m_filter->setEditText(QStringLiteral("*.*"));
    auto *dir = new QGridLayout(m_fileDir);
    dir->addWidget(m_folder, 0, 0);
    dir->addWidget(browse, 0, 1);
    dir->addWidget(box(QStringLiteral("cbFileDirRecurseSubDirs"), QStringLiteral("Unterverzeichnisse mit einbeziehen"),
                       m_fileDir),
                   1, 0, 1, 2);
    auto *filterLabel = new QLabel(QStringLiteral("Dateifilter:"), m_fileDir);
    filterLabel->setObjectName(QStringLiteral("lbFileFilter"));
    dir->addWidget(filterLabel, 2, 0, 1, 2);
    dir->addWidget(m_filter, 3, 0, 1, 2);

    m_search = new QPushButton(QStringLiteral("Suchen"), this);
    m_search->setObjectName(QStringLiteral("btnSearch"));
    m_search->setDefault(true);
    connect(m_search, &QPushButton::clicked, this, &TSearchForm::Search);
    m_replaceAll = new QPushButton(QStringLiteral("Alle ersetzen"), this);
    m_replaceAll->setObjectName(QStringLiteral("btnReplaceAll"));
    connect(m_replaceAll, &QPushButton::clicked, this, &TSearchForm::ReplaceAll);
    auto *cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *textPanel = new QGridLayout;
    textPanel->addWidget(m_options, 0, 0);
    textPanel->addWidget(m_area, 0, 1);
    textPanel->addWidget(m_direction, 1, 0);
    textPanel->addWidget(m_start, 1, 1);
    textPanel->addWidget(m_fileOptions, 2, 0);
    textPanel->addWidget(m_conditions, 2, 1);
    textPanel->addWidget(m_fileDir, 3, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_search);
    buttons->addWidget(m_replaceAll);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(fields);
    layout->addLayout(textPanel);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

QCheckBox *TSearchForm::Box(const QString &objectName) const
{
    return findChild<QCheckBox *>(objectName);
}

QRadioButton *TSearchForm::Radio(const QString &objectName) const
{
    return findChild<QRadioButton *>(objectName);
}

void TSearchForm::applyTabLayout()
{
    const int tab = m_tabs->currentIndex();
    const bool files = tab == FilesTab;
    const bool replace = tab == ReplaceTab;
    for (QWidget *w : {static_cast<QWidget *>(m_options), static_cast<QWidget *>(m_area),
                       static_cast<QWidget *>(m_direction), static_cast<QWidget *>(m_start)})
        w->setVisible(!files);
    for (QWidget *w : {static_cast<QWidget *>(m_fileOptions), static_cast<QWidget *>(m_conditions),
                       static_cast<QWidget *>(m_fileDir)})
        w->setVisible(files);
    m_replaceLabel->setVisible(replace);
    m_replaceText->setVisible(replace);
    m_replaceAll->setVisible(replace);
    m_prompt->setVisible(replace);
    m_search->setText(replace ? QStringLiteral("Ersetzen") : QStringLiteral("Suchen"));
}

int TSearchForm::selectedCondition() const
{
    for (int i = 0; i < m_conditionButtons.size(); ++i) {
        if (m_conditionButtons[i]->isChecked())
            return i;
    }
    return fsoAllProjectFiles;
}

void TSearchForm::conditionChanged()
{
    if (m_fileDir)
        m_fileDir->setEnabled(selectedCondition() == fsoDirectories);
}

void TSearchForm::refillFileFilters()
{
    m_filter->clear();
    m_filter->addItems(TSearchDialogRules::FileFilterEntries(m_core.Extensions()));
    m_filter->setCurrentIndex(0);
    conditionChanged();
}

std::unique_ptr<TVYRAEditor> TSearchForm::documentEditor() const
{
    TVYRADocumentContainer *container = m_core.Container();
    const int index = container && m_document ? container->Documents().IndexOf(m_document.data()) : -1;
    return index >= 0 ? container->GetEditor(index) : nullptr;
}

void TSearchForm::ShowSearchDialog(TVYRADocument *document, bool searchTab)
{
    if (!document)
        return;
    m_document = document;
    const std::unique_ptr<TVYRAEditor> editor = documentEditor();
    const QString selected = editor ? TEditorControl(editor->GetParent()).SelText() : QString();
    m_searchText->setEditText(selected);
    m_replaceText->clear();
    m_tabs->setCurrentIndex(searchTab ? 0 : ReplaceTab);
    applyTabLayout();
    Radio(selected.isEmpty() ? QStringLiteral("rbSearch_WholeText") : QStringLiteral("rbSearch_Selection"))
        ->setChecked(true);
    refillFileFilters();
    show();
    raise();
    activateWindow();
    m_searchText->setFocus();
}

QString TSearchForm::SearchText() const
{
    return m_searchText->currentText();
}

TSearchControls TSearchForm::Controls() const
{
    TSearchControls c;
    c.tab = m_tabs->currentIndex();
    c.textCase = Box(QStringLiteral("cbCaseSensitive"))->isChecked();
    c.textWholeWord = Box(QStringLiteral("cbWholeWord"))->isChecked();
    c.textRegEx = Box(QStringLiteral("cbUseRegEx"))->isChecked();
    c.fileCase = Box(QStringLiteral("cbFileCaseSensitive"))->isChecked();
    c.fileWholeWord = Box(QStringLiteral("cbFileWholeWord"))->isChecked();
    c.fileRegEx = Box(QStringLiteral("cbFileRegularExpr"))->isChecked();
    c.backward = Radio(QStringLiteral("rbDirection_Backward"))->isChecked();
    c.selectionOnly = Radio(QStringLiteral("rbSearch_Selection"))->isChecked();
    c.fromCursor = Radio(QStringLiteral("rbSearchStart_Cursor"))->isChecked();
    c.prompt = m_prompt->isChecked();
    return c;
}

void TSearchForm::addToHistory(const QString &text)
{
    if (m_searchText->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        m_searchText->addItem(text);
    m_searchText->setEditText(text);
}

void TSearchForm::Search()
{
    const QString text = SearchText();
    if (text.isEmpty())
        return;
    const TVYRASearchOptions options = TSearchDialogRules::OptionsFromControls(Controls());
    TPrompter &prompter = TPrompter::instance();
    if (m_tabs->currentIndex() == FilesTab) {
        if (!TSearchDialogRules::CheckRegularExpression(text, options, prompter))
            return;
        searchInFiles(text, options);
    } else {
        const std::unique_ptr<TVYRAEditor> editor = documentEditor();
        const bool hasSelection = editor && TEditorControl(editor->GetParent()).SelLength() > 0;
        if (!TSearchDialogRules::CheckSelection(Controls().selectionOnly, hasSelection, prompter)
            || !TSearchDialogRules::CheckRegularExpression(text, options, prompter))
            return;
        searchInDocument(text, options);
    }
    addToHistory(text);
    close();
}

void TSearchForm::searchInFiles(const QString &text, TVYRASearchOptions options)
{
    auto search = std::make_unique<TTalvexStudioFileSearch>();
    search->Scope = TFileSearchOption(selectedCondition());
    search->Options = options;
    search->SearchText = text;
    TVYRADocumentContainer *container = m_core.Container();
    search->Project = container && m_document ? container->ProjectOf(m_document.data()) : nullptr;
    search->Core = &m_core;
    search->Directory = m_folder->text();
    search->Recursive = Box(QStringLiteral("cbFileDirRecurseSubDirs"))->isChecked();
    // A typed mask counts when it is not the text of the chosen entry.
    const int chosen = m_filter->currentIndex();
    const int entry = chosen >= 0 && m_filter->currentText() == m_filter->itemText(chosen) ? chosen : -1;
    search->FileMask = TSearchDialogRules::FileMask(m_core.Extensions(), entry, m_filter->currentText());
    search->Start();
    if (OnFileSearch)
        OnFileSearch(std::move(search));
}

void TSearchForm::searchInDocument(const QString &text, TVYRASearchOptions options)
{
    const std::unique_ptr<TVYRAEditor> editor = documentEditor();
    if (!editor)
        return;
    TVYRATextSearch search(editor->GetParent(), editor->Environment().regex);
    search.Options = options;
    search.SearchText = text;
    bool found = false;
    if (m_tabs->currentIndex() == ReplaceTab)
        found = search.Replace(text, m_replaceText->text());
    else
        found = search.FindFirst(text);
    if (!found)
        TSearchDialogRules::TellNotFoundInDocument(text, TPrompter::instance());
    if (OnSearched)
        OnSearched(text, options);
}

void TSearchForm::ReplaceAll()
{
    const QString text = SearchText();
    const std::unique_ptr<TVYRAEditor> editor = documentEditor();
    if (text.isEmpty() || !editor)
        return;
    TPrompter &prompter = TPrompter::instance();
    if (!TSearchDialogRules::CheckSelection(Controls().selectionOnly, TEditorControl(editor->GetParent()).SelLength() > 0,
                                            prompter))
        return;
    const TVYRASearchOptions options = TSearchDialogRules::OptionsFromControls(Controls()) | xsoReplaceAll;
    if (!TSearchDialogRules::CheckRegularExpression(text, options, prompter))
        return;
    hide();
    TVYRATextSearch search(editor->GetParent(), editor->Environment().regex);
    search.Options = options;
    search.SearchText = text;
    addToHistory(text);
    if (!search.Replace(text, m_replaceText->text()))
        TSearchDialogRules::TellNotFoundInDocument(text, prompter);
    if (OnSearched)
        OnSearched(text, options);
    close();
}
