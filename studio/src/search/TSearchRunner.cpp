#include "search/TSearchRunner.h"

#include "search/TSearchFileReader.h"
#include "search/TSearchMatcher.h"

#include <QThread>

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

TSearchRunner::TSearchRunner(const TSearchMatcher &matcher, int threads)
    : m_matcher(matcher)
    , m_threads(threads > 0 ? threads : qMax(1, QThread::idealThreadCount()))
{
}

TSearchRunner::TFileHits TSearchRunner::searchOne(const QList<TSource> &sources, int index) const
{
    TFileHits result;
    result.source = index;
    result.fileName = sources[index].fileName;
    try {
        const std::optional<QString> text =
            sources[index].text ? sources[index].text : TSearchFileReader::ReadText(sources[index].fileName);
        if (!text || !m_matcher.MayMatch(*text))
            return result;
        result.hits = m_matcher.FindAll(*text);
        if (m_withPlaces) {
            TLineColumnCounter counter(*text);
            result.places.reserve(result.hits.size());
            for (const TTextMatch &hit : result.hits)
                result.places.append(counter.At(hit.pos));
        }
    } catch (const std::exception &) {
        // A pattern that gives up on one text (match limit) or a file too
        // large for memory: that file counts as having no hits.
        result.hits.clear();
    }
    return result;
}

bool TSearchRunner::Run(const QList<TSource> &sources, const HitsHandler &onHits, const ProgressHandler &onProgress,
                        const std::atomic_bool &cancel) const
{
    const int count = int(sources.size());
    std::vector<std::optional<TFileHits>> done;
    done.resize(size_t(count));
    std::atomic_int next{0};
    std::mutex mutex;
    std::condition_variable ready;

    auto work = [&] {
        for (int index = next++; index < count && !cancel.load(std::memory_order_relaxed); index = next++) {
            TFileHits hits = searchOne(sources, index);
            const std::lock_guard lock(mutex);
            done[size_t(index)] = std::move(hits);
            ready.notify_one();
        }
    };
    std::vector<std::thread> workers;
    const int threads = qMin(m_threads, qMax(count, 1));
    for (int i = 0; i < threads; ++i)
        workers.emplace_back(work);

    int delivered = 0;
    std::vector<TFileHits> batch;
    while (delivered < count && !cancel.load()) {
        {
            std::unique_lock lock(mutex);
            ready.wait_for(lock, std::chrono::milliseconds(20),
                           [&] { return done[size_t(delivered)].has_value() || cancel.load(); });
            for (; delivered < count && done[size_t(delivered)]; ++delivered) {
                batch.push_back(std::move(*done[size_t(delivered)]));
                done[size_t(delivered)].reset();
            }
        }
        for (TFileHits &hits : batch) {
            if (!hits.hits.isEmpty() && onHits)
                onHits(hits);
        }
        if (!batch.empty() && onProgress)
            onProgress(delivered, count);
        batch.clear();
    }
    for (std::thread &worker : workers)
        worker.join();
    return delivered == count;
}
