#include "search/TSearchResultForm.h"

#include "container/TVYRADocumentContainer.h"
#include "container/TVYRADocumentEditorLink.h"
#include "documents/TVYRADocument.h"
#include "facade/TEditorControl.h"
#include "search/TFileReplacer.h"
#include "search/TSearchDialogRules.h"
#include "search/TSearchHitOpener.h"
#include "search/TSearchMatcher.h"
#include "search/TSearchResultModel.h"
#include "search/TTalvexStudioFileSearch.h"
#include "ui/TPrompter.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

TSearchResultForm::TSearchResultForm(TVYRADocumentContainer &container, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_container(container)
{
    setObjectName(QStringLiteral("SearchResultForm"));
    setWindowTitle(QStringLiteral("Suchergebnisse"));
    buildControls();
    resize(640, 320);
}

TSearchResultForm::~TSearchResultForm()
{
    freeSearch();
}

void TSearchResultForm::buildControls()
{
    m_model = new TSearchResultModel(this);
    m_results = new QTableView(this);
    m_results->setObjectName(QStringLiteral("lwResults"));
    m_results->setModel(m_model);
    m_results->setShowGrid(true);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setTextElideMode(Qt::ElideMiddle);
    m_results->setWordWrap(false);
    m_results->verticalHeader()->hide();
    // Fixed row heights: rows are never measured one by one, however many come.
    m_results->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_results->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_results->setColumnWidth(0, 120);
    connect(m_results, &QTableView::doubleClicked, this, [this](const QModelIndex &index) { OpenRow(index.row()); });

    m_progress = new QLabel(this);
    m_progress->setObjectName(QStringLiteral("lbProgress"));
    m_cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancelSearch"));
    m_cancel->setToolTip(QStringLiteral("Bricht die laufende Suche ab."));
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_search)
            m_search->Cancel();
    });

    auto *replaceLabel = new QLabel(QStringLiteral("Ersetzen mit:"), this);
    m_replaceText = new QLineEdit(this);
    m_replaceText->setObjectName(QStringLiteral("edReplaceText"));
    m_replace = new QPushButton(QStringLiteral("In Dateien ersetzen"), this);
    m_replace->setObjectName(QStringLiteral("btnReplaceAll"));
    m_replace->setToolTip(QStringLiteral("Ersetzt alle gefundenen Stellen in allen Dateien."));
    connect(m_replace, &QPushButton::clicked, this, &TSearchResultForm::ReplaceAll);

    auto *save = new QPushButton(QStringLiteral("Ergebnis speichern"), this);
    save->setObjectName(QStringLiteral("btnSaveToFile"));
    save->setToolTip(QStringLiteral("Speichert die Ergebnisse der Suche in einer Textdatei."));
    save->hide();
    auto *ok = new QPushButton(QStringLiteral("Schließen"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setToolTip(QStringLiteral("Schließt diesen Dialog."));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto *progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_cancel);
    auto *replaceRow = new QHBoxLayout;
    replaceRow->addWidget(replaceLabel);
    replaceRow->addWidget(m_replaceText, 1);
    replaceRow->addWidget(m_replace);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_results, 1);
    layout->addLayout(progressRow);
    layout->addLayout(replaceRow);
    layout->addLayout(buttons);
}

void TSearchResultForm::ShowSearch(std::unique_ptr<TTalvexStudioFileSearch> search)
{
    freeSearch();
    m_search = std::move(search);
    if (!m_search)
        return;
    m_model->SetSearch(m_search.get());
    connect(m_search.get(), &TTalvexStudioFileSearch::progress, this, &TSearchResultForm::showProgress);
    connect(m_search.get(), &TTalvexStudioFileSearch::finished, this, &TSearchResultForm::searchFinished);
    showProgress();
    if (m_search->IsRunning() || m_search->GetResultCount() > 0) {
        show();
        raise();
    } else {
        searchFinished();
    }
}

void TSearchResultForm::showProgress()
{
    const bool running = m_search && m_search->IsRunning();
    m_cancel->setVisible(running);
    m_replace->setEnabled(!running && m_search && m_search->GetResultCount() > 0);
    if (!m_search) {
        m_progress->clear();
        return;
    }
    QString text = QStringLiteral("%1 von %2 Dateien durchsucht, %3 Fundstellen")
                       .arg(m_search->FilesDone())
                       .arg(m_search->FilesFound())
                       .arg(m_search->GetResultCount());
    if (!running && m_search->WasCancelled())
        text += QStringLiteral(" (Suche abgebrochen)");
    m_progress->setText(text);
}

void TSearchResultForm::searchFinished()
{
    showProgress();
    if (m_search && m_search->GetResultCount() == 0 && !m_search->WasCancelled()) {
        const QString text = m_search->SearchText;
        hide();
        freeSearch();
        emit searchEnded();
        TSearchDialogRules::TellNotFoundInFiles(text, TPrompter::instance());
        return;
    }
    emit searchEnded();
}

void TSearchResultForm::freeSearch()
{
    m_model->SetSearch(nullptr);
    // Freeing a running search cancels it and waits for its threads.
    m_search.reset();
    showProgress();
}

void TSearchResultForm::OpenRow(int row)
{
    if (!m_search || row < 0 || row >= m_search->GetResultCount())
        return;
    // A copy: opening a file may run the event loop, and with it the search.
    const TTalvexStudioFileSearchResult hit = m_search->GetResult(row);
    TSearchHitOpener(m_container).Open(hit);
}

QStringList TSearchResultForm::replaceInOpenDocuments(const QStringList &files, int &replaced, int &changed)
{
    // Files open in the editor are changed there, as unsaved edits: what
    // the user typed is never overwritten from disk behind the editor.
    const TSearchMatcher matcher(m_search->SearchText, m_search->Options);
    QStringList onDisk;
    TVYRADocumentList &documents = m_container.Documents();
    for (const QString &file : files) {
        int index = -1;
        for (int i = 0; i < documents.Count() && index < 0; ++i) {
            if (documents.Items(i)->GetFileName() == file)
                index = i;
        }
        if (index < 0) {
            onDisk.append(file);
            continue;
        }
        TEditorControl control(documents.Entry(index)->link.get());
        const QString text = control.Text();
        const QList<TTextMatch> hits = matcher.FindAll(text);
        if (hits.isEmpty())
            continue;
        control.BeginUpdate();
        for (qsizetype i = hits.size() - 1; i >= 0; --i) {
            control.SetSelection(hits[i].pos, hits[i].len);
            control.ReplaceSelection(m_replaceText->text());
        }
        control.EndUpdate();
        documents.Items(index)->SetModified(true);
        replaced += int(hits.size());
        ++changed;
    }
    return onDisk;
}

void TSearchResultForm::ReplaceAll()
{
    if (!m_search || m_search->IsRunning() || m_search->GetResultCount() == 0)
        return;
    QStringList files;
    std::set<QString> seen;
    for (int i = 0; i < m_search->GetResultCount(); ++i) {
        const QString &file = m_search->GetResult(i).FileName;
        if (seen.insert(file).second)
            files.append(file);
    }
    int replaced = 0;
    int changed = 0;
    const QStringList onDisk = replaceInOpenDocuments(files, replaced, changed);
    const TSearchMatcher matcher(m_search->SearchText, m_search->Options);
    const TFileReplacer::TOutcome outcome = TFileReplacer(matcher, m_replaceText->text()).Replace(onDisk);
    replaced += outcome.replacements;
    changed += outcome.filesChanged;
    if (!outcome.failures.isEmpty())
        TPrompter::instance().error(outcome.failures.join(QStringLiteral("\n\n")), QStringLiteral("Ersetzen"));
    TPrompter::instance().information(
        QStringLiteral("%1 Fundstellen in %2 Dateien ersetzt.").arg(replaced).arg(changed), QStringLiteral("Ersetzen"));
    // The positions listed are out of date now.
    freeSearch();
    hide();
    emit searchEnded();
}

void TSearchResultForm::closeEvent(QCloseEvent *event)
{
    freeSearch();
    emit searchEnded();
    QWidget::closeEvent(event);
}

void TSearchResultForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_results->setColumnWidth(1, qMax(100, width() - 140));
}
