#pragma once

#include "orvane_export.h"
#include "search/TFileSearchOption.h"
#include "search/TSearchRunner.h"
#include "search/TTalvexStudioFileSearchResult.h"
#include "settings/VYRASettingsTypes.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <memory>
#include <mutex>

class QThread;
class TSearchMatcher;
class TVYRACore;
class TVYRADocument;
class TVYRAProjectGroupItems;

// One search over many texts: the files of a project, the open documents
// or the files of a folder. Open documents are searched in the text their
// editors show (a snapshot, the editors are left alone), files on disk as
// the editor would read them. Hits are kept in order of discovery.
//
// InitiateSearch runs to the end before it returns; Start runs the same
// search in the background and reports hits as they are found, so that the
// window stays responsive and the user can cancel it.
class ORVANE_EXPORT TTalvexStudioFileSearch : public QObject
{
    Q_OBJECT
public:
    explicit TTalvexStudioFileSearch(QObject *parent = nullptr);
    // Cancels a running search and waits for its threads.
    ~TTalvexStudioFileSearch() override;

    QString SearchText;
    // Only xsoUseRegEx, xsoCaseSensitive and xsoWholeWord count.
    TVYRASearchOptions Options;
    TFileSearchOption Scope = fsoAllProjectFiles;
    TVYRAProjectGroupItems *Project = nullptr;
    QString Directory;
    TVYRACore *Core = nullptr;
    bool Recursive = false;
    QString FileMask;

    // Empties the results and searches. A scope that cannot be searched
    // (no text, no project, no folder) gives no results. An invalid regular
    // expression raises ERegexException before anything is searched, and
    // the results of the last search stay.
    void InitiateSearch();
    void InitiateSearch(const QString &Text);
    // The same in the background; finished() follows in every case (also
    // at once when nothing can be searched). Raises like InitiateSearch.
    void Start();
    // Stops a background search; hits found so far stay.
    void Cancel();
    bool IsRunning() const { return m_thread != nullptr; }
    bool WasCancelled() const { return m_cancelled; }
    int FilesDone() const { return m_filesDone; }
    int FilesFound() const { return m_filesFound; }

    int GetResultCount() const { return int(m_results.size()); }
    const TTalvexStudioFileSearchResult &GetResult(int Index) const { return m_results[Index]; }

signals:
    // Results first … first + count - 1 were added.
    void resultsAdded(int first, int count);
    void progress(int done, int found);
    void finished();

private:
    struct TShared;

    // Compiles the pattern (raises) and takes the list of texts; false when
    // the scope cannot be searched.
    bool prepare(std::shared_ptr<TShared> &shared);
    static void runInto(TShared &shared);
    void takePending();
    void append(const TSearchRunner::TFileHits &hits, const QList<QPointer<TVYRADocument>> &documents);
    void threadDone();

    QList<TTalvexStudioFileSearchResult> m_results;
    std::shared_ptr<TShared> m_shared;
    QThread *m_thread = nullptr;
    bool m_cancelled = false;
    int m_filesDone = 0;
    int m_filesFound = 0;
};
