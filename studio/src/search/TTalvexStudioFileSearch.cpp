#include "search/TTalvexStudioFileSearch.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "framework/TVYRACore.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "search/TFolderFileLister.h"
#include "search/TSearchMatcher.h"
#include "search/TSearchSources.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <utility>
#include <vector>

// What the searching thread and the window share: the thread adds found
// hits and counts under the lock, the window takes them out.
struct TTalvexStudioFileSearch::TShared {
    std::unique_ptr<TSearchMatcher> matcher;
    TSearchSources sources;
    // Set for a folder search: the file list is taken by the searching thread.
    QString folder;
    QString masks;
    bool recursive = false;
    std::atomic_bool cancel{false};

    std::mutex mutex;
    std::vector<TSearchRunner::TFileHits> pending;
    int done = 0;
    int found = 0;
    bool posted = false;
    std::function<void()> post;
};

namespace {
// A batch goes to the window at least this often while hits come in.
constexpr qint64 PostIntervalMs = 40;
} // namespace

TTalvexStudioFileSearch::TTalvexStudioFileSearch(QObject *parent)
    : QObject(parent)
{
}

TTalvexStudioFileSearch::~TTalvexStudioFileSearch()
{
    if (m_thread) {
        m_shared->cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

bool TTalvexStudioFileSearch::prepare(std::shared_ptr<TShared> &shared)
{
    shared = std::make_shared<TShared>();
    shared->matcher = std::make_unique<TSearchMatcher>(SearchText, Options);
    m_results.clear();
    m_cancelled = false;
    m_filesDone = m_filesFound = 0;
    if (SearchText.isEmpty())
        return false;
    const TVYRADocumentContainer *container = Core ? Core->Container() : nullptr;
    switch (Scope) {
    case fsoAllProjectFiles:
        if (!Project || Project->GetFileCount() == 0)
            return false;
        shared->sources = TSearchSources::OfProject(*Project, container ? &container->Documents() : nullptr);
        return true;
    case fsoAllOpenFiles:
        if (!container)
            return false;
        shared->sources = TSearchSources::OfOpenDocuments(container->Documents());
        return true;
    case fsoDirectories:
        if (Directory.isEmpty() || !QFileInfo(Directory).isDir())
            return false;
        shared->folder = Directory;
        shared->masks = FileMask;
        shared->recursive = Recursive;
        return true;
    }
    return false;
}

void TTalvexStudioFileSearch::runInto(TShared &shared)
{
    // A folder's files are listed here, off the window's thread; they have
    // no documents, so the window's list of documents stays untouched.
    QList<TSearchRunner::TSource> sources = shared.sources.Sources;
    if (!shared.folder.isEmpty()) {
        const QStringList files = TFolderFileLister(shared.masks, shared.recursive).List(shared.folder, &shared.cancel);
        sources.reserve(files.size());
        for (const QString &file : files)
            sources.append({file, std::nullopt});
    }
    // The first hits go out at once, later ones in batches.
    QElapsedTimer sincePost;
    auto postNow = [&shared, &sincePost](bool force) {
        if (!shared.post || (!force && sincePost.isValid() && sincePost.elapsed() < PostIntervalMs))
            return;
        sincePost.start();
        const std::lock_guard lock(shared.mutex);
        if (!shared.posted) {
            shared.posted = true;
            shared.post();
        }
    };
    TSearchRunner runner(*shared.matcher);
    runner.Run(
        sources,
        [&](TSearchRunner::TFileHits &hits) {
            {
                const std::lock_guard lock(shared.mutex);
                shared.pending.push_back(std::move(hits));
            }
            postNow(false);
        },
        [&](int done, int found) {
            {
                const std::lock_guard lock(shared.mutex);
                shared.done = done;
                shared.found = found;
            }
            postNow(false);
        },
        shared.cancel);
    postNow(true);
}

void TTalvexStudioFileSearch::InitiateSearch(const QString &Text)
{
    SearchText = Text;
    InitiateSearch();
}

void TTalvexStudioFileSearch::InitiateSearch()
{
    Cancel();
    std::shared_ptr<TShared> shared;
    if (!prepare(shared))
        return;
    m_shared = shared;
    runInto(*shared);
    takePending();
    m_shared.reset();
}

void TTalvexStudioFileSearch::Start()
{
    Cancel();
    std::shared_ptr<TShared> shared;
    if (!prepare(shared)) {
        QMetaObject::invokeMethod(this, &TTalvexStudioFileSearch::finished, Qt::QueuedConnection);
        return;
    }
    m_shared = shared;
    shared->post = [this] { QMetaObject::invokeMethod(this, [this] { takePending(); }, Qt::QueuedConnection); };
    m_thread = QThread::create([shared] {
        try {
            runInto(*shared);
        } catch (...) {
            // Out of memory: the search ends with what it found.
            shared->cancel = true;
        }
    });
    connect(m_thread, &QThread::finished, this, &TTalvexStudioFileSearch::threadDone);
    m_thread->start();
}

void TTalvexStudioFileSearch::Cancel()
{
    if (!m_thread)
        return;
    m_shared->cancel = true;
    m_thread->wait();
    threadDone();
}

void TTalvexStudioFileSearch::threadDone()
{
    if (!m_thread)
        return;
    // Handlers of the last signals may cancel or start again: the thread is
    // taken out first, so that they find no running search.
    QThread *thread = std::exchange(m_thread, nullptr);
    thread->wait();
    delete thread;
    const std::shared_ptr<TShared> shared = m_shared;
    m_cancelled = shared->cancel.load();
    takePending();
    if (m_shared == shared)
        m_shared.reset();
    emit finished();
}

void TTalvexStudioFileSearch::takePending()
{
    if (!m_shared)
        return;
    std::vector<TSearchRunner::TFileHits> taken;
    {
        const std::lock_guard lock(m_shared->mutex);
        taken.swap(m_shared->pending);
        m_shared->posted = false;
        m_filesDone = m_shared->done;
        m_filesFound = m_shared->found;
    }
    const int first = GetResultCount();
    for (const TSearchRunner::TFileHits &hits : taken)
        append(hits, m_shared->sources.Documents);
    if (GetResultCount() > first)
        emit resultsAdded(first, GetResultCount() - first);
    emit progress(m_filesDone, m_filesFound);
}

void TTalvexStudioFileSearch::append(const TSearchRunner::TFileHits &hits,
                                     const QList<QPointer<TVYRADocument>> &documents)
{
    TVYRADocument *document = hits.source < documents.size() ? documents[hits.source].data() : nullptr;
    for (const TTextMatch &match : hits.hits)
        m_results.append(TTalvexStudioFileSearchResult(hits.fileName, document, match.pos, match.len));
}
