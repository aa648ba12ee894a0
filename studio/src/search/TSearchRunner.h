#pragma once

#include "facade/ITextRegex.h"
#include "orvane_export.h"
#include "search/TLineColumnCounter.h"

#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>

class TSearchMatcher;

// Searches a list of texts with one matcher on worker threads and hands
// the hits back file by file in list order, on the thread that runs it.
// A text is either given (an editor's snapshot) or read from disk with
// TSearchFileReader.
class ORVANE_EXPORT TSearchRunner
{
public:
    struct TSource {
        QString fileName;
        // Set: search this text instead of the file.
        std::optional<QString> text;
    };
    struct TFileHits {
        int source = -1;
        QString fileName;
        QList<TTextMatch> hits;
        // Line and column of each hit, when asked for.
        QList<TLineColumnCounter::TPlace> places;
    };
    using HitsHandler = std::function<void(TFileHits &hits)>;
    // Files done of files found.
    using ProgressHandler = std::function<void(int done, int found)>;

    // threads 0: one per processor core.
    explicit TSearchRunner(const TSearchMatcher &matcher, int threads = 0);
    // Also count line and column of every hit (on the worker threads).
    void SetWithPlaces(bool with) { m_withPlaces = with; }

    // Calls onHits for every source with hits, in source order; false when
    // cancel was set before all sources were done.
    bool Run(const QList<TSource> &sources, const HitsHandler &onHits, const ProgressHandler &onProgress,
             const std::atomic_bool &cancel) const;

private:
    TFileHits searchOne(const QList<TSource> &sources, int index) const;

    const TSearchMatcher &m_matcher;
    int m_threads;
    bool m_withPlaces = false;
};
